#include "settings/stored_settings.h"
#include "ui/components/form_info.h"
#include "ui/components/prompts.h"
#include "ui/main/main_form.h"

#include <QLineEdit>

void T_MainForm::StoreRecentPaths()
{
    TSettingsBatch batch;
    WriteRecentPaths(batch, RecentPaths);
    batch.Commit();
}

void T_MainForm::ReportBrokenStore()
{
    if (const auto keptAs = SetBrokenStoreAside()) {
        Prompts.Inform(this, QStringLiteral("Cantrel"),
                       QStringLiteral("The settings file could not be read. It has been kept as\n"
                                      "%1\nand Cantrel starts with the settings it could read "
                                      "from it, the others at their defaults.")
                           .arg(*keptAs));
    }
}

bool T_MainForm::FormCloseQuery()
{
    // everything the program keeps goes to the store in one write
    TSettingsBatch batch;
    FormInfo->Save(batch);
    WriteLastMacro(batch, Macro_Edit->text());
    emit StoringSettings(batch);
    WriteLastFolder(batch, CurrentFolder);
    WriteEnabledFields(batch, EnabledFields);
    WriteMainOptions(batch, Options);
    WriteRecentPaths(batch, RecentPaths);
    batch.Commit();
    return true;
}
