#include "engine/file_facts.h"

#include "engine/ascii_text.h"

#include <dirent.h>
#include <sys/stat.h>

TWriteTime WriteTimeOf(std::time_t modified)
{
    TWriteTime time;
    time.DateTime = LocalDateTime(modified);
    time.Packed = PackDosDateTime(time.DateTime);
    return time;
}

namespace {

std::string FindLabel(const std::string& folder, dev_t device)
{
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return {};
    }
    std::string label;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        struct stat target = {};
        // each entry is a link to the block device that carries the label
        if (stat((folder + "/" + name).c_str(), &target) == 0 && S_ISBLK(target.st_mode) &&
            target.st_rdev == device) {
            label = UnescapeLabel(name);
            break;
        }
    }
    closedir(dir);
    return label;
}

} // namespace

std::string UnescapeLabel(const std::string& name)
{
    std::string text;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' &&
            HexDigitValue(name[i + 2]) >= 0 && HexDigitValue(name[i + 3]) >= 0) {
            text += static_cast<char>(HexDigitValue(name[i + 2]) * 16 + HexDigitValue(name[i + 3]));
            i += 3;
        } else {
            text += name[i];
        }
    }
    return text;
}

std::string TVolumeLabels::LabelOf(dev_t device)
{
    const auto now = std::chrono::steady_clock::now();
    if (!Known || device != Device || now - LookedUp >= MaxAge) {
        Label = FindLabel(LabelFolder, device);
        Device = device;
        LookedUp = now;
        Known = true;
    }
    return Label;
}
