#include "settings/stored_settings.h"
#include "ui/components/form_info.h"
#include "ui/components/prompts.h"
#include "ui/main/command_strip.h"
#include "ui/main/main_window.h"

void TMainWindow::StoreRecentPaths()
{
    TSettingsBatch batch;
    WriteRecentPaths(batch, Work.RecentPaths);
    batch.Commit();
}

void TMainWindow::ReportBrokenStore()
{
    if (const auto keptAs = SetBrokenStoreAside()) {
        Prompts.Inform(this, QStringLiteral("Cantrel"),
                       tr("The settings file could not be read. It has been kept as\n"
                          "%1\nand Cantrel starts with the settings it could read "
                          "from it, the others at their defaults.")
                           .arg(*keptAs));
    }
}

bool TMainWindow::StoreSettings()
{
    // everything the program keeps goes to the store in one write
    TSettingsBatch batch;
    FormInfo->Save(batch);
    WriteLastMacro(batch, Commands->MacroText());
    emit StoringSettings(batch);
    WriteLastFolder(batch, Work.CurrentFolder);
    WriteEnabledFields(batch, Work.Fields.EnabledFields);
    WriteMainOptions(batch, Work.Options);
    WriteRecentPaths(batch, Work.RecentPaths);
    batch.Commit();
    return true;
}
