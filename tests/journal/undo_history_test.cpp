#include "journal/undo_history.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(UndoHistory, BatchFolderHoldsEveryChangedFile)
{
    // rule, the files of the batch ("+": changed, "-": left alone), the folder
    const std::tuple<const char*, std::vector<std::string>, std::string> cases[] = {
        {"one folder", {"+/m/a/1.mp3", "+/m/a/2.mp3"}, "/m/a"},
        {"a folder and one below", {"+/m/a/1.mp3", "+/m/a/b/2.mp3"}, "/m/a"},
        {"names sharing a beginning", {"+/m/ab/1.mp3", "+/m/a/2.mp3"}, "/m"},
        {"files it left alone do not count", {"+/m/a/1.mp3", "-/x/2.mp3"}, "/m/a"},
        {"none changed: every file", {"-/m/a/1.mp3", "-/m/b/2.mp3"}, "/m"},
        {"only the root in common", {"+/m/1.mp3", "+/n/2.mp3"}, "/"},
        {"no files", {}, ""},
    };
    for (const auto& [rule, files, folder] : cases) {
        TJournalBatch batch;
        for (const std::string& file : files) {
            batch.Entries.emplace_back().Path = file.substr(1);
            batch.Entries.back().Done = file[0] == '+';
        }
        EXPECT_EQ(BatchFolder(batch), folder) << rule;
    }
    EXPECT_EQ(BatchSummary("write", 1), "write, 1 file");
    EXPECT_EQ(BatchSummary("undo", 0), "undo, 0 files");
}

} // namespace
