#include "ui/auxiliary/keys_form.h"

T_KeysForm::T_KeysForm(QWidget* parent)
    : THidingWindow(QStringLiteral("_KeysForm"), QStringLiteral("ShortCuts :"), parent)
{
    resize(420, 480);
}
