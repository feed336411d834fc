#include "engine/file_facts.h"
#include "engine/path_parts.h"
#include "support/mp3_fixture.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <tuple>
#include <unistd.h>

namespace {

TEST(PathParts, SplitsNameAndFolderAndDropsTheRoot)
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
    EXPECT_EQ(PathWithoutRoot("/home/ann/Music/a.mp3"), "home/ann/Music/a.mp3");
    EXPECT_EQ(PathWithoutRoot("/"), "");
    EXPECT_EQ(PathWithoutRoot("rel/a.mp3"), "rel/a.mp3");
    EXPECT_EQ(WithTrailingSlash("/m"), "/m/");
    EXPECT_EQ(WithTrailingSlash("/m/"), "/m/");
}

TEST(PathParts, MakesAFullPathAsTheSystemResolvesIt)
{
    TTempDir temp;
    const std::string here = std::filesystem::canonical(temp.Path()).string();
    WriteBytes(temp / "ok.mp3", "x");
    WriteBytes(temp / "other/x", "x");
    std::filesystem::create_directories(temp / "here");
    std::filesystem::create_symlink("../other", temp / "here/link");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(here);
    const std::tuple<const char*, int, std::string> cases[] = {
        {"x.mp3", 0, here + "/x.mp3"},
        {"", 0, here},
        {"//a//b/", 0, "/a/b/"},
        {"/..", 0, "/"},
        {"./other/../ok.mp3", 0, here + "/ok.mp3"},
        {".//./ok.mp3", 0, here + "/ok.mp3"},
        {"./gone/../ok.mp3", ENOENT, here + "/./gone/../ok.mp3"},
        {"here/link/../A - x.mp3", 0, here + "/A - x.mp3"}, // ".." leaves the link's target
        {"ok.mp3/.", ENOTDIR, here + "/ok.mp3/."},
        {"gone/../ok.mp3", ENOENT, here + "/gone/../ok.mp3"},
    };
    for (const auto& [path, error, expected] : cases) {
        std::string full;
        EXPECT_EQ(MakeFullPath(path, full), error) << path;
        EXPECT_EQ(full, expected) << path;
    }
    // a working folder that is gone is no "/"
    std::filesystem::create_directories(temp / "doomed");
    std::filesystem::current_path(temp / "doomed");
    std::filesystem::remove(temp / "doomed");
    std::string full;
    EXPECT_EQ(MakeFullPath("song.mp3", full), ENOENT);
    EXPECT_EQ(full, "song.mp3");
    std::filesystem::current_path(previous);
}

TEST(FileFacts, UnescapesLabelNames)
{
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"a plain name", "Music", "Music"},
        {"an escaped space", "My\\x20Music", "My Music"},
        {"an escaped slash and UTF-8", "A\\x2fB\\xc3\\xa9", "A/B\xC3\xA9"},
        {"a cut escape stays", "A\\x2", "A\\x2"},
        {"a bad escape stays", "A\\xZZ", "A\\xZZ"},
    };
    for (const auto& [rule, name, label] : cases) {
        EXPECT_EQ(UnescapeLabel(name), label) << rule;
    }
}

TEST(FileFacts, FindsTheLabelOfAFilesDevice)
{
    TTempDir dir;
    const std::string file = WriteBytes(dir.Path() / "a.mp3", "x").string();
    struct stat info = {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    const std::string labels = dir / "by-label";
    std::filesystem::create_directory(labels);
    // a device node standing for the file system the file lies on, as udev would link it
    if (mknod((dir / "disk").c_str(), S_IFBLK | 0600, info.st_dev) != 0 ||
        mknod((dir / "other").c_str(), S_IFBLK | 0600, makedev(250, 250)) != 0) {
        GTEST_SKIP() << "device nodes need the superuser";
    }
    std::filesystem::create_symlink("../other", labels + "/Other");
    std::filesystem::create_symlink("../disk", labels + "/My\\x20Music");

    TVolumeLabels volumes;
    volumes.LabelFolder = labels;
    volumes.MaxAge = std::chrono::hours(1);
    EXPECT_EQ(volumes.LabelOf(makedev(251, 1)), "");
    EXPECT_EQ(volumes.LabelOf(info.st_dev), "My Music");

    std::filesystem::remove(labels + "/My\\x20Music");
    std::filesystem::create_symlink("../disk", labels + "/Renamed");
    EXPECT_EQ(volumes.LabelOf(info.st_dev), "My Music") << "kept for a while";
    volumes.MaxAge = {};
    EXPECT_EQ(volumes.LabelOf(info.st_dev), "Renamed") << "then read again";

    volumes.LabelFolder = dir / "none";
    EXPECT_EQ(volumes.LabelOf(info.st_dev), "");
}

} // namespace
