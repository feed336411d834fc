#pragma once

#include <QObject>

#include <vector>

class QColor;
class QToolButton;
class QWidget;

// Draws a flat button's caption in `colour` while it is enabled; a disabled button keeps the
// style's grey, so that it still looks disabled after the pointer has passed.
void SetCaptionColour(QWidget* button, const QColor& colour);

// The hover highlight of a window's flat buttons: the button under the pointer gets a red
// caption and the others black; the pointer over one of the window's panels, or off a button,
// turns all black.
class TButtonHighlight : public QObject
{
    Q_OBJECT

public:
    TButtonHighlight(std::vector<QToolButton*> buttons, const std::vector<QWidget*>& panels,
                     QObject* parent);

    // `button` red and the others black; nullptr turns all black.
    void Highlight(const QToolButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QToolButton*> Buttons;
};
