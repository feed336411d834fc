#include "engine/file_facts.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <tuple>

namespace {

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
