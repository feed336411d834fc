#include "ui/extract/replace_in_name_form.h"

TReplaceInName_Form::TReplaceInName_Form(QWidget* parent)
    : THidingWindow(QStringLiteral("ReplaceInName_Form"), QStringLiteral("Replace In Name ..."),
                    parent)
{
    resize(380, 200);
}
