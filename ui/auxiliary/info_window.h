#pragma once

#include "ui/auxiliary/hiding_window.h"

// A small read-only window of fixed size: it opens centred on the screen the first time it is
// shown and where the user left it after that; closing only hides it.
class TInfoWindow : public THidingWindow
{
    Q_OBJECT

public:
    TInfoWindow(const QString& name, const QString& caption, QSize size, bool onTop,
                QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool Placed = false;
};

// A fixed-pitch font of the desktop, in the given point size.
QFont FixedPitchFont(int pointSize);
