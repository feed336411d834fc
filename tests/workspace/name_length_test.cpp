#include "workspace/name_length.h"

#include <gtest/gtest.h>

namespace {

TEST(NameLength, NewNameIsFolderMacroAndExtension)
{
    EXPECT_EQ(MacroFullName("/m/a/Song.MP3", "01.Title"), "/m/a/01.Title.mp3");
    EXPECT_EQ(MacroFullName("Song.mp3", "x"), "x.mp3");
    EXPECT_EQ(MacroFullName("/m/a/s.mp3", "[ Artist ]\\01.t"), "/m/a/[ Artist ]\\01.t.mp3");
}

struct TLengthCase
{
    const char* Rule;
    std::string FullName;
    std::size_t Length;
};

TEST(NameLength, CountsCharactersOfTheNamePart)
{
    const TLengthCase cases[] = {
        {"after the last slash", "/m/a/abc.mp3", 7},
        {"a backslash of the macro starts a folder", "/m/a/[ A ]\\01.t.mp3", 8},
        {"no folder at all", "abc.mp3", 7},
        {"characters, not bytes", "/m/\xC3\xA9t\xC3\xA9.mp3", 7},
        {"empty name", "/m/", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NewNameLength(c.FullName), c.Length) << c.Rule;
    }
}

TEST(NameLength, CdLimitAllowsSixtyFour)
{
    EXPECT_FALSE(ExceedsCdLimit(64));
    EXPECT_TRUE(ExceedsCdLimit(65));
}

} // namespace
