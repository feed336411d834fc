#pragma once

#include "ui/auxiliary/hiding_window.h"

class TMacro_Form : public THidingWindow
{
    Q_OBJECT

public:
    explicit TMacro_Form(QWidget* parent = nullptr);
};
