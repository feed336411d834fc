#pragma once

#include "ui/auxiliary/hiding_window.h"

class TForm4 : public THidingWindow
{
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);
};
