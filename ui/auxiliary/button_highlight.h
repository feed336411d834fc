#pragma once

#include <QObject>

#include <vector>

class QToolButton;
class QWidget;

// The hover highlight of a window's flat buttons: the button under the pointer gets a red
// caption and the others black; the pointer over one of the window's panels turns all black.
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
