#include "scan/file_mask.h"
#include "scan/name_order.h"

#include <gtest/gtest.h>

namespace {

TEST(FileMaskList, ParsesOnlyStarDotMasksSortedOnce)
{
    struct TCase
    {
        const char* Rule;
        const char* Text;
        std::vector<std::string> Masks;
    };
    const TCase cases[] = {
        {"the default text", "*.txt,*.doc;*.htm|*.exe", {"*.doc", "*.exe", "*.htm", "*.txt"}},
        {"one mask", "*.mp3", {"*.mp3"}},
        {"same extension in two cases counts once", "*.mp3;*.MP3", {"*.mp3"}},
        {"blanks around masks", " *.mp3 , *.ogg ", {"*.mp3", "*.ogg"}},
        {"a name pattern counts for nothing", "song*.mp3", {}},
        {"a mask without extension counts for nothing", "*.;*", {}},
        {"empty parts are skipped", ",,;*.wav|", {"*.wav"}},
        {"star dot star", "*.*", {"*.*"}},
        {"empty text", "", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TFileMaskList(c.Text).Masks(), c.Masks) << c.Rule;
    }
}

TEST(FileMaskList, MatchesNamesIgnoringCase)
{
    struct TCase
    {
        const char* Rule;
        const char* Masks;
        const char* Name;
        bool Matches;
    };
    const TCase cases[] = {
        {"plain extension", "*.mp3", "song.mp3", true},
        {"capital extension", "*.mp3", "c.MP3", true},
        {"capital mask", "*.MP3", "c.mp3", true},
        {"hidden file", "*.mp3", ".hidden.mp3", true},
        {"name that is only the extension", "*.mp3", ".mp3", true},
        {"longer extension", "*.mp3", "song.mp3x", false},
        {"no full stop before the extension", "*.mp3", "songmp3", false},
        {"extension in the middle", "*.mp3", "song.mp3.part", false},
        {"second mask of a list", "*.ogg;*.mp3", "a.mp3", true},
        {"star dot star takes a name without full stop", "*.*", "README", true},
        {"question mark stands for one byte", "*.m?3", "a.mp3", true},
        {"question mark needs a byte", "*.m?3", "a.m3", false},
        {"star inside the extension", "*.h*", "page.html", true},
        {"star inside the extension needs the prefix", "*.h*", "page.xml", false},
        {"bytes above ASCII are compared as they are", "*.\xc3\xa9", "a.\xc3\x89", false},
        {"a name pattern matches nothing", "song*.mp3", "song1.mp3", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TFileMaskList(c.Masks).Matches(c.Name), c.Matches) << c.Rule;
    }
}

TEST(NameOrder, IgnoresCaseThenComparesBytes)
{
    std::vector<std::string> names = {"b.mp3", "c.MP3", "A.mp3", "a.mp3",
                                      "B.mp3", "_x",    "\xff",  "a"};
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return NameOrderLess(a, b); });
    const std::vector<std::string> expected = {"_x",    "a",     "A.mp3", "a.mp3",
                                               "B.mp3", "b.mp3", "c.MP3", "\xff"};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(CompareIgnoringCase("ABC", "abc"), 0);
    EXPECT_FALSE(NameOrderLess("abc", "abc"));
}

} // namespace
