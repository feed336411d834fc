#include "workspace/counts.h"

#include <gtest/gtest.h>

namespace {

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
