#pragma once

#include "ui/auxiliary/hiding_window.h"

// The object that owns the HTML generator. The main window starts a run through SpeedButton1Click
// without showing the window.
class T_Form5 : public THidingWindow
{
    Q_OBJECT

public:
    explicit T_Form5(QWidget* parent = nullptr);

    // Starts a generation run.
    void SpeedButton1Click();
};
