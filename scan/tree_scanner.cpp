#include "scan/tree_scanner.h"

#include "engine/path_parts.h"
#include "scan/name_order.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

namespace {

struct TListedEntry
{
    std::string Name;
    std::uint64_t Size = 0;
    std::int64_t Modified = 0;
};

struct TFolderListing
{
    std::vector<TListedEntry> Files;
    std::vector<std::string> Folders; // names with their final "/", which takes part in the order
};

bool IsDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// What a file entry needs from stat (following a link); false when it is not a regular file.
bool StatRegularFile(int folderFd, const char* name, TListedEntry& entry)
{
    struct stat info = {};
    if (fstatat(folderFd, name, &info, 0) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    entry.Size = static_cast<std::uint64_t>(info.st_size);
    entry.Modified = static_cast<std::int64_t>(info.st_mtim.tv_sec);
    return true;
}

// Reads one folder in full: the files the masks take and, when wanted, the subfolders. The type
// that readdir reports saves a stat for nearly every entry; links and entries of unknown type are
// looked at only when they could be reported.
void ListFolder(const std::string& folder, const TFileMaskList& masks, bool withDetails,
                bool wantFolders, TFolderListing& listing)
{
    DIR* stream = opendir(folder.c_str());
    if (stream == nullptr) {
        return;
    }
    const int folderFd = dirfd(stream);
    while (const dirent* entry = readdir(stream)) {
        const char* name = entry->d_name;
        if (IsDotOrDotDot(name)) {
            continue;
        }
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat info = {};
            if (fstatat(folderFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
                continue; // vanished meanwhile
            }
            type = S_ISDIR(info.st_mode)   ? DT_DIR
                   : S_ISREG(info.st_mode) ? DT_REG
                   : S_ISLNK(info.st_mode) ? DT_LNK
                                           : DT_UNKNOWN;
        }
        if (type == DT_DIR) {
            if (wantFolders) {
                listing.Folders.emplace_back(name).push_back('/');
            }
            continue;
        }
        if ((type != DT_REG && type != DT_LNK) || masks.Empty()) {
            continue;
        }
        const std::string_view nameView(name);
        if (!masks.Matches(nameView)) {
            continue;
        }
        TListedEntry file;
        // a link is reported only when it leads to a regular file
        if ((type == DT_LNK || withDetails) && !StatRegularFile(folderFd, name, file)) {
            continue;
        }
        file.Name = nameView;
        listing.Files.push_back(std::move(file));
    }
    closedir(stream);
}

std::string NormalisedFolder(const std::string& folder)
{
    // a folder the system refuses keeps its name and reads as an unreadable one
    std::string result;
    MakeFullPath(folder, result);
    while (result.size() > 1 && result.back() == '/') {
        result.pop_back();
    }
    return WithTrailingSlash(result);
}

// Resets the flag however the search ends, a throwing handler included.
class TSearchFlag
{
public:
    explicit TSearchFlag(bool& flag) : Flag(flag) { Flag = true; }
    ~TSearchFlag() { Flag = false; }
    TSearchFlag(const TSearchFlag&) = delete;
    TSearchFlag& operator=(const TSearchFlag&) = delete;

private:
    bool& Flag;
};

// Puts the files of a folder in name order. A folder may hold a million files, so the order is
// decided on short keys held side by side (the first bytes of each name, case folded) and only
// names that agree on their key are compared in full; the files are then moved into place.
void SortFiles(std::vector<TListedEntry>& files)
{
    struct TKey
    {
        std::array<unsigned char, 16> Prefix{}; // unused bytes stay 0, below every name byte
        std::uint32_t Index = 0;
    };
    std::vector<TKey> keys(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string& name = files[i].Name;
        for (std::size_t j = 0; j < keys[i].Prefix.size() && j < name.size(); ++j) {
            keys[i].Prefix[j] = static_cast<unsigned char>(AsciiLower(name[j]));
        }
        keys[i].Index = static_cast<std::uint32_t>(i);
    }
    std::sort(keys.begin(), keys.end(), [&files](const TKey& a, const TKey& b) {
        const int prefix = std::memcmp(a.Prefix.data(), b.Prefix.data(), a.Prefix.size());
        return prefix != 0 ? prefix < 0 : NameOrderLess(files[a.Index].Name, files[b.Index].Name);
    });
    // keys[k].Index is the file that belongs at k: follow each cycle of the permutation
    for (std::size_t start = 0; start < keys.size(); ++start) {
        if (keys[start].Index == start) {
            continue;
        }
        TListedEntry held = std::move(files[start]);
        std::size_t at = start;
        while (keys[at].Index != start) {
            const std::size_t from = keys[at].Index;
            files[at] = std::move(files[from]);
            keys[at].Index = static_cast<std::uint32_t>(at);
            at = from;
        }
        files[at] = std::move(held);
        keys[at].Index = static_cast<std::uint32_t>(at);
    }
}

} // namespace

void TTreeScanner::StartSearch()
{
    if (SearchInProgressValue) {
        return; // a second search from a handler would mix its events into the running one
    }
    TSearchFlag flag(SearchInProgressValue);
    FileFoundValue.clear();
    InitialDirectory = NormalisedFolder(InitialDirectory);
    ScanFolder(InitialDirectory);
}

const TFileMaskList& TTreeScanner::CurrentMasks()
{
    // the mask text is read anew for every folder, so a handler may change it between folders
    if (ParsedMaskText != FileMask) {
        Masks = TFileMaskList(FileMask);
        ParsedMaskText = FileMask;
    }
    return Masks;
}

void TTreeScanner::ScanFolder(const std::string& folder)
{
    if (_DetailesSeparator.empty()) {
        _DetailesSeparator = ",";
    }
    if (Yield) {
        Yield();
    }
    CurrentDirectoryValue = folder;
    FileFoundValue = folder;
    if (OnDirectoryFound) {
        OnDirectoryFound(*this);
    }

    TFolderListing listing;
    ListFolder(folder, CurrentMasks(), _With_Detailes, Recursive, listing);
    SortFiles(listing.Files);
    std::sort(listing.Folders.begin(), listing.Folders.end(),
              [](const std::string& a, const std::string& b) { return NameOrderLess(a, b); });

    if (OnFilesListed && !listing.Files.empty()) {
        std::vector<std::string> paths;
        paths.reserve(listing.Files.size());
        for (const auto& file : listing.Files) {
            paths.push_back(folder + file.Name);
        }
        OnFilesListed(paths);
    }
    const TDetailsFormat details{_DetailesSeparator, _Time_Format, _TypeOfDate};
    for (const auto& file : listing.Files) {
        if (_With_Detailes) {
            FileFoundValue = DetailsEntry(folder + file.Name, file.Size, file.Modified, details);
        } else {
            FileFoundValue.assign(folder).append(file.Name);
        }
        if (OnFileFound) {
            OnFileFound(*this);
        }
    }
    if (Recursive) {
        std::string child;
        for (const auto& name : listing.Folders) {
            child.assign(folder).append(name);
            ScanFolder(child);
        }
    }
    CurrentDirectoryValue = folder;
    if (OnDirectoryDone) {
        OnDirectoryDone(*this);
    }
}
