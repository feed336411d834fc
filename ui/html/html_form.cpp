#include "ui/html/html_form.h"

T_Form5::T_Form5(QWidget* parent)
    : THidingWindow(QStringLiteral("_Form5"), QStringLiteral("Generate HTML Page from ID3 Tag ..."),
                    parent)
{
    resize(480, 360);
}

void T_Form5::SpeedButton1Click()
{
    // The generator is not part of the program yet: a run does nothing.
}
