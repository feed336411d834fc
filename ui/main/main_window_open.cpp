#include "engine/path_parts.h"
#include "ui/components/display_path.h"
#include "ui/components/prompts.h"
#include "ui/main/file_list_model.h"
#include "ui/main/main_window.h"

#include <QListView>

#include <cerrno>
#include <filesystem>
#include <system_error>

bool TMainWindow::OpenPath(const std::string& path)
{
    // the system resolves "." and ".." as the shell does, never by cutting text
    std::string full;
    const int refused = path.empty() ? ENOENT : MakeFullPath(path, full);
    const std::filesystem::path given(full);
    std::error_code error;
    const auto status = std::filesystem::status(given, error);
    if (refused != 0 || !std::filesystem::exists(status)) {
        Prompts.Inform(this, QStringLiteral("Cantrel"),
                       tr("\"%1\" does not exist: no folder was opened.").arg(DisplayPath(path)));
        return false;
    }
    const bool isFolder = std::filesystem::is_directory(status);
    std::string folder = (isFolder ? given : given.parent_path()).string();
    if (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back(); // "/music/" normalises with its slash; the picker gives none
    }
    const bool opened = Work.Activity.Run(TActivityKind::Scanning, [this, &folder] {
        Work.CurrentFolder = folder;
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
        if (Work.Files.Name(row) == name) {
            MoveCurrentRow(static_cast<int>(row));
            break;
        }
    }
    return true;
}
