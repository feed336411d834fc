#include "ui/auxiliary/macro_form.h"

TMacro_Form::TMacro_Form(QWidget* parent)
    : THidingWindow(QStringLiteral("Macro_Form"), QStringLiteral("Select / Add / Delete - Macro`s"),
                    parent)
{
    resize(520, 200);
}
