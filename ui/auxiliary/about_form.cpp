#include "ui/auxiliary/about_form.h"

TForm4::TForm4(QWidget* parent)
    : THidingWindow(QStringLiteral("Form4"), QStringLiteral("Created by ..."), parent)
{
    resize(360, 300);
}
