#include "engine/path_parts.h"
#include "ui/auxiliary/error_form.h"
#include "ui/components/display_path.h"
#include "ui/main/main_form.h"
#include "ui/main/windows.h"

// The shared error window; every use of it by the main window goes through here.

void T_MainForm::EmptyErrorLog()
{
    if (Windows != nullptr && Windows->ErrorForm != nullptr) {
        Windows->ErrorForm->EmptyLog();
    }
}

void T_MainForm::AddBitRateWarning(const std::string& path, std::int32_t bitRate)
{
    if (Windows != nullptr && Windows->ErrorForm != nullptr) {
        Windows->ErrorForm->AddBitRateWarning(DisplayPath(WithTrailingSlash(FolderPart(path))),
                                              DisplayPath(NamePart(path)), bitRate);
    }
}

void T_MainForm::SetErrorCaption(const QString& caption)
{
    if (Windows != nullptr && Windows->ErrorForm != nullptr) {
        Windows->ErrorForm->SetCaption(caption);
    }
}

void T_MainForm::ShowErrorWindow()
{
    if (Windows != nullptr && Windows->ErrorForm != nullptr) {
        Windows->ErrorForm->Show();
    }
}

void T_MainForm::ClearErrorWindow()
{
    if (Windows != nullptr && Windows->ErrorForm != nullptr) {
        Windows->ErrorForm->SpeedButton2Click(); // reports back through Cleared
    }
}
