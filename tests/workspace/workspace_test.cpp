#include "workspace/workspace.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(files[2].Path, "/m/\xE9t\xE9.mp3");
    files.Clear();
    EXPECT_TRUE(files.Empty());
}

struct TRowsCase
{
    const char* Rule;
    std::vector<int> Selected;
    int Current;
    bool WholePath;
    std::vector<std::size_t> Processed;
    std::optional<std::size_t> Displayed;
};

TEST(FileList, ProcessedAndDisplayedRows)
{
    // four rows listed
    const TRowsCase cases[] = {
        {"nothing selected", {}, 2, false, {}, std::nullopt},
        {"one selected shows it, not the current row", {1}, 3, false, {1}, 1},
        {"several in list order, the focused one shown", {3, 0, 2}, 2, false, {0, 2, 3}, 2},
        {"rows past the list are dropped", {1, 7, -1}, 1, false, {1}, 1},
        {"several but no current row", {0, 1}, -1, false, {0, 1}, std::nullopt},
        {"whole path takes every row", {1}, 1, true, {0, 1, 2, 3}, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProcessedRows(4, c.Selected, c.WholePath), c.Processed) << c.Rule;
        EXPECT_EQ(DisplayedRow(4, c.Selected, c.Current), c.Displayed) << c.Rule;
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
    EXPECT_FALSE(modes.OneFile());

    const TFieldModes fresh;
    for (const bool check : fresh.SingleFieldChecks) {
        EXPECT_TRUE(check) << "every check starts on";
    }
}

struct TCountCase
{
    const char* Rule;
    TListState List;
    std::string Counts;
    std::string Status;
};

TEST(Counts, CountsAndStatusFollowTheList)
{
    // WholePathMode, MultiSelect, ItemCount, SelectedItems, HasCurrent
    const TCountCase cases[] = {
        {"empty list", {false, true, 0, 0, false}, "0 / 0", "No files to process"},
        {"listed, nothing current", {false, true, 5, 0, false}, "0 / 5", "No files to process"},
        {"current but nothing selected", {false, true, 5, 0, true}, "0 / 5", "No files to process"},
        {"one selected", {false, true, 5, 1, true}, "1 / 5", "Files to process"},
        {"several selected", {false, true, 5, 3, true}, "3 / 5", "Files to process"},
        {"whole path takes every file",
         {true, false, 5, 1, true},
         "5 / 5",
         "Process ALL files in path"},
        {"whole path on an empty list", {true, false, 0, 0, false}, "0 / 0", "No files to process"},
        {"single-select outside whole path", {false, false, 5, 1, true}, "1 / 5", ""},
        {"negative counts are clamped",
         {false, true, -1, -1, false},
         "0 / 0",
         "No files to process"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CountsText(CountFiles(c.List)), c.Counts) << c.Rule;
        EXPECT_EQ(StatusText(c.List), c.Status) << c.Rule;
    }
}

TEST(Counts, ExtractionWindowPanels)
{
    EXPECT_EQ(IndexPanelText(0), "[ 0 / 0 ]");
    EXPECT_EQ(IndexPanelText(1), "[ 1 / 1 ]");
    EXPECT_EQ(IndexPanelText(12), "[ 1 / 12 ]");
    EXPECT_EQ(StatusPanelText("Files to process", "1 / 3"), "Files to process   [ 1 / 3 ]");
}

} // namespace
