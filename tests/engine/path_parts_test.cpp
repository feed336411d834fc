#include "engine/path_parts.h"

#include <gtest/gtest.h>
#include <tuple>
#include <unistd.h>

namespace {

TEST(PathParts, SplitsNameAndFolder)
{
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"a file in a folder", "/home/ann/a.mp3", "a.mp3", "/home/ann/"},
        {"a bare name has no folder", "a.mp3", "a.mp3", ""},
        {"a folder path has an empty name", "/home/ann/", "", "/home/ann/"},
        {"a colon is an ordinary character", "/m/C:a.mp3", "C:a.mp3", "/m/"},
        {"a backslash is an ordinary character", "/m/a\\b.mp3", "a\\b.mp3", "/m/"},
    };
    for (const auto& [rule, path, name, folder] : cases) {
        EXPECT_EQ(NamePart(path), name) << rule;
        EXPECT_EQ(FolderPart(path), folder) << rule;
    }
}

TEST(PathParts, ExpandsToAFullPath)
{
    EXPECT_EQ(ExpandFullPath("/a/./b/../c.mp3"), "/a/c.mp3");
    EXPECT_EQ(ExpandFullPath("//a//b"), "/a/b");
    EXPECT_EQ(ExpandFullPath("/.."), "/");
    EXPECT_EQ(ExpandFullPath("/a/b/"), "/a/b/");

    char buffer[4096];
    ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
    const std::string here = buffer;
    EXPECT_EQ(ExpandFullPath("x.mp3"), (here == "/" ? "" : here) + "/x.mp3");
}

TEST(PathParts, DropsTheRoot)
{
    EXPECT_EQ(PathWithoutRoot("/home/ann/Music/a.mp3"), "home/ann/Music/a.mp3");
    EXPECT_EQ(PathWithoutRoot("/"), "");
    EXPECT_EQ(PathWithoutRoot("rel/a.mp3"), "rel/a.mp3");
    EXPECT_EQ(WithTrailingSlash("/m"), "/m/");
    EXPECT_EQ(WithTrailingSlash("/m/"), "/m/");
}

} // namespace
