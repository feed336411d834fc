#include "workspace/recent_paths.h"

#include <gtest/gtest.h>

namespace {

TRecentPaths Filled(int count)
{
    TRecentPaths paths = EmptyRecentPaths();
    for (int i = count - 1; i >= 0; --i) {
        AddRecentPath(paths, "/music/" + std::to_string(i));
    }
    return paths;
}

TEST(RecentPaths, NewFoldersGoInFrontKnownOnesStay)
{
    TRecentPaths paths = Filled(3);
    EXPECT_TRUE(AddRecentPath(paths, "/new"));
    EXPECT_EQ(paths[0], "/new");
    EXPECT_EQ(paths[3], "/music/2");
    EXPECT_EQ(paths[4], "..none..");

    const TRecentPaths before = paths;
    EXPECT_FALSE(AddRecentPath(paths, "/music/2")) << "a known folder stays where it is";
    EXPECT_EQ(paths, before);
    EXPECT_TRUE(AddRecentPath(paths, "/MUSIC/2")) << "the comparison is case-sensitive";
    EXPECT_EQ(paths[0], "/MUSIC/2");

    paths = Filled(10);
    EXPECT_TRUE(AddRecentPath(paths, "/eleventh"));
    EXPECT_EQ(paths[0], "/eleventh");
    EXPECT_EQ(paths[9], "/music/8") << "the oldest is pushed out";

    ClearRecentPaths(paths);
    for (const auto& slot : paths) {
        EXPECT_EQ(slot, "..none..");
    }
}

TEST(RecentPaths, StoreNamesAndMissingValues)
{
    EXPECT_EQ(RecentPathValueName(0), "00");
    EXPECT_EQ(RecentPathValueName(9), "09");
    EXPECT_EQ(RecentPathFromStore("_NONE_", true), "..none..");
    EXPECT_EQ(RecentPathFromStore("/a", false), "/a");
    EXPECT_EQ(RecentPathFromStore("", false), "");
}

} // namespace
