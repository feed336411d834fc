#include "ui/auxiliary/help_form.h"

TForm2::TForm2(QWidget* parent)
    : THidingWindow(QStringLiteral("Form2"), QStringLiteral("Macros ..."), parent)
{
    resize(560, 480);
}
