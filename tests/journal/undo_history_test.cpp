#include "journal/undo_history.h"
#include "support/mp3_fixture.h"

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

TEST(UndoHistory, ListsTheKeptBatchesNewestFirst)
{
    TTempDir journal;
    const auto record = [&](const char* name, const std::string& text) {
        WriteBytes(journal / name, text);
    };
    const TFileState state{3, 5, std::nullopt};
    std::string write = JournalHeader("write", 1000, 2);
    AppendFileLine(write, "/m/a/1.mp3", state);
    AppendFileLine(write, "/m/a/2.mp3", state);
    TJournalEntry done = Entry("/m/a/2.mp3", true);
    done.After = state;
    AppendDoneLine(write, 1, done);
    record("000001.journal", write);
    record("000002.journal", "not a journal\n");
    record("000003.journal", JournalHeader("clear", 3000, 0));

    const std::vector<TUndoHistoryEntry> history = UndoHistory(journal.Path().string());
    ASSERT_EQ(history.size(), 3u);
    EXPECT_EQ(std::tie(history[0].Number, history[0].Kind, history[0].Files, history[0].Undoable),
              std::make_tuple(3, std::string("clear"), std::size_t(0), false));
    EXPECT_EQ(history[1].Number, 2);
    EXPECT_EQ(history[1].Kind.rfind("damaged: ", 0), 0u) << history[1].Kind;
    EXPECT_FALSE(history[1].Undoable);
    EXPECT_EQ(std::tie(history[2].Kind, history[2].Time, history[2].Files, history[2].Folder),
              std::make_tuple(std::string("write"), std::int64_t(1000), std::size_t(1),
                              std::string("/m/a")));
    EXPECT_TRUE(history[2].Undoable);
    EXPECT_TRUE(UndoHistory((journal / "none")).empty());
}

} // namespace
