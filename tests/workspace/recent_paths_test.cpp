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

TEST(RecentPaths, StartsWithTenEmptySlots)
{
    for (const auto& slot : EmptyRecentPaths()) {
        EXPECT_EQ(slot, "..none..");
    }
}

TEST(RecentPaths, NewFolderGoesToTheFront)
{
    TRecentPaths paths = Filled(3);
    EXPECT_TRUE(AddRecentPath(paths, "/new"));
    EXPECT_EQ(paths[0], "/new");
    EXPECT_EQ(paths[1], "/music/0");
    EXPECT_EQ(paths[3], "/music/2");
    EXPECT_EQ(paths[4], "..none..");
}

TEST(RecentPaths, KnownFolderStaysWhereItIs)
{
    TRecentPaths paths = Filled(3);
    const TRecentPaths before = paths;
    EXPECT_FALSE(AddRecentPath(paths, "/music/2"));
    EXPECT_EQ(paths, before);
}

TEST(RecentPaths, ComparisonIsCaseSensitive)
{
    TRecentPaths paths = Filled(1);
    EXPECT_TRUE(AddRecentPath(paths, "/MUSIC/0"));
    EXPECT_EQ(paths[0], "/MUSIC/0");
    EXPECT_EQ(paths[1], "/music/0");
}

TEST(RecentPaths, EleventhFolderPushesTheOldestOut)
{
    TRecentPaths paths = Filled(10);
    EXPECT_EQ(paths[9], "/music/9");
    EXPECT_TRUE(AddRecentPath(paths, "/eleventh"));
    EXPECT_EQ(paths[0], "/eleventh");
    EXPECT_EQ(paths[9], "/music/8");
    for (const auto& slot : paths) {
        EXPECT_NE(slot, "/music/9");
    }
}

TEST(RecentPaths, ClearEmptiesEverySlot)
{
    TRecentPaths paths = Filled(10);
    ClearRecentPaths(paths);
    EXPECT_EQ(paths, EmptyRecentPaths());
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
