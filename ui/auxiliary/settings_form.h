#pragma once

#include "ui/auxiliary/hiding_window.h"

class T_SettingsForm : public THidingWindow
{
    Q_OBJECT

public:
    explicit T_SettingsForm(QWidget* parent = nullptr);
};
