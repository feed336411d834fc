#include "workspace/workspace.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(FileList, EntriesSplitThePathAndKeepItsBytes)
{
    TFileList files;
    files.Add("/m/A/x.mp3");
    files.Add("/m/B/x.mp3");
    files.Add("/m/\xE9t\xE9.mp3");
    ASSERT_EQ(files.Size(), 3u);
    EXPECT_EQ(files[0].Folder, "/m/A/");
    EXPECT_EQ(files[1].Name, "x.mp3") << "equal names in different folders stay distinct";
    EXPECT_EQ(files[1].FullName(), "/m/B/x.mp3");
    EXPECT_EQ(files[2].Name, "\xE9t\xE9.mp3");
    EXPECT_EQ(files[2].FullName(), "/m/\xE9t\xE9.mp3");
    files.Add("/m/A/y.mp3");
    EXPECT_EQ(files[3].FullName(), "/m/A/y.mp3") << "a folder listed again after another";
    files.Clear();
    EXPECT_TRUE(files.Empty());
}

TEST(FileList, ProcessedAndDisplayedRows)
{
    // four rows listed; rule, selected, current, whole path, processed and displayed rows
    using TRows = std::vector<std::size_t>;
    const std::tuple<const char*, std::vector<int>, int, bool, TRows, std::optional<std::size_t>>
        cases[] = {
            {"nothing selected", {}, 2, false, {}, std::nullopt},
            {"one selected shows it, not the current row", {1}, 3, false, {1}, 1},
            {"several in list order, the focused one shown", {3, 0, 2}, 2, false, {0, 2, 3}, 2},
            {"rows past the list are dropped", {1, 7, -1}, 1, false, {1}, 1},
            {"several but no current row", {0, 1}, -1, false, {0, 1}, std::nullopt},
            {"whole path takes every row", {1}, 1, true, {0, 1, 2, 3}, 1},
        };
    for (const auto& [rule, selected, current, wholePath, processed, displayed] : cases) {
        EXPECT_EQ(ProcessedRows(4, selected, wholePath), processed) << rule;
        EXPECT_EQ(DisplayedRow(4, selected, current), displayed) << rule;
    }
    EXPECT_TRUE(ProcessedRows(0, {}, true).empty()) << "an empty list in whole-path mode";
}

TEST(FieldModes, UsersChoicesWaitWhileSeveralFilesAreChosen)
{
    TFieldModes modes;
    modes.EnabledFields = {false, true, false, false, true, false, false};
    const TFieldChoices own{true, false, true, true, true, true, true};

    EXPECT_FALSE(modes.OneFile()) << "one file after one file: the checks stay";
    EXPECT_EQ(modes.SeveralFiles(own), modes.EnabledFields);
    EXPECT_TRUE(modes.MultiSelectMode);
    // a change made while several files are chosen is not kept as the user's own
    const TFieldChoices changed{true, true, true, true, true, true, true};
    EXPECT_EQ(modes.SeveralFiles(changed), modes.EnabledFields);
    EXPECT_EQ(modes.OneFile(), own);
    EXPECT_FALSE(modes.MultiSelectMode);

    EXPECT_EQ(TFieldModes().SingleFieldChecks, changed) << "every check starts on";
}

TEST(Counts, CountsAndStatusFollowTheList)
{
    const std::string none = "No files to process";
    // rule, list state (whole path, multi-select, items, selected, has current), counts, status
    const std::tuple<const char*, TListState, std::string, std::string> cases[] = {
        {"empty list", {false, true, 0, 0, false}, "0 / 0", none},
        {"listed, nothing current", {false, true, 5, 0, false}, "0 / 5", none},
        {"current but nothing selected", {false, true, 5, 0, true}, "0 / 5", none},
        {"one selected", {false, true, 5, 1, true}, "1 / 5", "Files to process"},
        {"several selected", {false, true, 5, 3, true}, "3 / 5", "Files to process"},
        {"whole path: every file", {true, false, 5, 1, true}, "5 / 5", "Process ALL files in path"},
        {"whole path on an empty list", {true, false, 0, 0, false}, "0 / 0", none},
        {"single-select outside whole path", {false, false, 5, 1, true}, "1 / 5", ""},
        {"negative counts are clamped", {false, true, -1, -1, false}, "0 / 0", none},
    };
    for (const auto& [rule, list, counts, status] : cases) {
        EXPECT_EQ(CountsText(CountFiles(list)), counts) << rule;
        EXPECT_EQ(StatusText(list), status) << rule;
    }
    // the extraction window's panels
    EXPECT_EQ(IndexPanelText(0), "[ 0 / 0 ]");
    EXPECT_EQ(IndexPanelText(12), "[ 1 / 12 ]");
    EXPECT_EQ(StatusPanelText("Files to process", "1 / 3"), "Files to process   [ 1 / 3 ]");
}

} // namespace
