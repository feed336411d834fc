#include "ui/auxiliary/button_highlight.h"

#include <QEvent>
#include <QToolButton>

void SetCaptionColour(QWidget* button, const QColor& colour)
{
    QPalette colours = button->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::ButtonText, colour);
    }
    button->setPalette(colours);
}

TButtonHighlight::TButtonHighlight(std::vector<QToolButton*> buttons,
                                   const std::vector<QWidget*>& panels, QObject* parent)
    : QObject(parent), Buttons(std::move(buttons))
{
    for (QToolButton* button : Buttons) {
        button->installEventFilter(this);
    }
    for (QWidget* panel : panels) {
        panel->installEventFilter(this);
    }
    Highlight(nullptr);
}

void TButtonHighlight::Highlight(const QToolButton* button)
{
    for (QToolButton* each : Buttons) {
        SetCaptionColour(each, each == button ? QColor(Qt::red) : QColor(Qt::black));
    }
}

bool TButtonHighlight::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter) {
        Highlight(qobject_cast<QToolButton*>(watched));
    } else if (event->type() == QEvent::Leave && qobject_cast<QToolButton*>(watched) != nullptr) {
        // moving off a button onto the space around it brings no Enter of that space; another
        // button's Enter follows this Leave
        Highlight(nullptr);
    }
    return false;
}
