#include "ui/components/display_path.h"
#include "ui/components/prompts.h"
#include "ui/main/main_form.h"

#include <QListWidget>

#include <filesystem>
#include <system_error>

bool T_MainForm::OpenPath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path given = std::filesystem::absolute(path, error).lexically_normal();
    const auto status = std::filesystem::status(given, error);
    if (path.empty() || !std::filesystem::exists(status)) {
        Prompts.Inform(
            this, QStringLiteral("Cantrel"),
            QStringLiteral("\"%1\" does not exist: no folder was opened.").arg(DisplayPath(path)));
        return false;
    }
    const bool isFolder = std::filesystem::is_directory(status);
    std::string folder = (isFolder ? given : given.parent_path()).string();
    if (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back(); // "/music/" normalises with its slash; the picker gives none
    }
    const bool opened = Work.Activity.Run(TActivityKind::Scanning, [this, &folder] {
        CurrentFolder = folder;
        Work.PickerStartFolder = folder;
        AddRecentPath(folder);
        RescanFolder();
    });
    if (!opened || isFolder) {
        return opened;
    }
    // the file is selected as a click on its row would, which shows its tag
    const std::string name = given.filename().string();
    for (std::size_t row = 0; row < Work.Files.Size(); ++row) {
        if (Work.Files[row].Name == name) {
            ListBox1->setCurrentRow(static_cast<int>(row));
            break;
        }
    }
    return true;
}
