#pragma once

#include "ui/auxiliary/hiding_window.h"

class TForm2 : public THidingWindow
{
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);
};
