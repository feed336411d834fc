#pragma once

#include "ui/auxiliary/hiding_window.h"

class T_KeysForm : public THidingWindow
{
    Q_OBJECT

public:
    explicit T_KeysForm(QWidget* parent = nullptr);
};
