#include "journal/undo_history.h"

#include "engine/path_parts.h"

namespace {

// The longest leading run of whole folders that `a` and `b` share, each ending in "/".
std::string_view CommonFolder(std::string_view a, std::string_view b)
{
    std::size_t same = 0;
    while (same < a.size() && same < b.size() && a[same] == b[same]) {
        ++same;
    }
    const std::size_t slash = a.substr(0, same).rfind('/');
    return slash == std::string_view::npos ? std::string_view() : a.substr(0, slash + 1);
}

} // namespace

std::string BatchFolder(const TJournalBatch& batch)
{
    const bool anyDone = batch.ChangedCount() > 0;
    bool first = true;
    std::string common;
    for (const TJournalEntry& entry : batch.Entries) {
        if (anyDone && !entry.MayBeChanged()) {
            continue;
        }
        const std::string folder = FolderPart(entry.Path);
        common = first ? folder : std::string(CommonFolder(common, folder));
        first = false;
    }
    if (common.size() > 1 && common.back() == '/') {
        common.pop_back();
    }
    return common;
}

std::string BatchSummary(std::string_view kind, std::size_t files)
{
    return std::string(kind) + ", " + std::to_string(files) + (files == 1 ? " file" : " files");
}

std::vector<TUndoHistoryEntry> UndoHistory(const std::string& journalFolder)
{
    std::vector<TUndoHistoryEntry> history;
    for (const std::string& file : JournalFiles(journalFolder)) {
        const TJournalBatch batch = ReadJournalBatch(file);
        TUndoHistoryEntry entry;
        entry.Number = batch.Damage.empty() ? batch.Number : JournalNumber(file);
        entry.Time = batch.Time;
        if (!batch.Damage.empty()) {
            entry.Kind = "damaged: " + batch.Damage;
        } else {
            entry.Kind = batch.Kind;
            entry.Files = batch.ChangedCount();
            entry.Folder = BatchFolder(batch);
            entry.Undoable = entry.Files > 0;
        }
        history.push_back(std::move(entry));
    }
    return history;
}
