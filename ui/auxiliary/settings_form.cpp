#include "ui/auxiliary/settings_form.h"

T_SettingsForm::T_SettingsForm(QWidget* parent)
    : THidingWindow(QStringLiteral("_SettingsForm"), QStringLiteral("Settings"), parent)
{
    resize(420, 360);
}
