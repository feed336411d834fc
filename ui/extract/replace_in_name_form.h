#pragma once

#include "ui/auxiliary/hiding_window.h"

class TReplaceInName_Form : public THidingWindow
{
    Q_OBJECT

public:
    explicit TReplaceInName_Form(QWidget* parent = nullptr);
};
