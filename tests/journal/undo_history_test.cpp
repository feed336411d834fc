#include "journal/undo_history.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TJournalEntry Entry(const std::string& path, bool done)
{
    TJournalEntry entry;
    entry.Path = path;
    entry.Done = done;
    return entry;
}

TEST(UndoHistory, BatchFolderHoldsEveryChangedFile)
{
    using E = std::vector<TJournalEntry>;
    const std::tuple<const char*, E, std::string> cases[] = {
        {"one folder", {Entry("/m/a/1.mp3", true), Entry("/m/a/2.mp3", true)}, "/m/a"},
        {"a folder and one below",
         {Entry("/m/a/1.mp3", true), Entry("/m/a/b/2.mp3", true)},
         "/m/a"},
        {"names sharing a beginning",
         {Entry("/m/ab/1.mp3", true), Entry("/m/a/2.mp3", true)},
         "/m"},
        {"files it left alone do not count",
         {Entry("/m/a/1.mp3", true), Entry("/x/2.mp3", false)},
         "/m/a"},
        {"none changed: every file",
         {Entry("/m/a/1.mp3", false), Entry("/m/b/2.mp3", false)},
         "/m"},
        {"only the root in common", {Entry("/m/1.mp3", true), Entry("/n/2.mp3", true)}, "/"},
        {"no files", {}, ""},
    };
    for (const auto& [rule, entries, folder] : cases) {
        TJournalBatch batch;
        batch.Entries = entries;
        EXPECT_EQ(BatchFolder(batch), folder) << rule;
    }
    EXPECT_EQ(BatchSummary("write", 1), "write, 1 file");
    EXPECT_EQ(BatchSummary("undo", 0), "undo, 0 files");
}

} // namespace
