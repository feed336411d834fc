#include "scan/file_mask.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(FileMaskList, ParsesOnlyStarDotMasksSortedOnce)
{
    const std::tuple<const char*, const char*, std::vector<std::string>> cases[] = {
        {"the default text", "*.txt,*.doc;*.htm|*.exe", {"*.doc", "*.exe", "*.htm", "*.txt"}},
        {"same extension in two cases counts once", "*.mp3;*.MP3", {"*.mp3"}},
        {"blanks around masks", " *.mp3 , *.ogg ", {"*.mp3", "*.ogg"}},
        {"a name pattern counts for nothing", "song*.mp3", {}},
        {"a mask without extension counts for nothing", "*.;*", {}},
        {"empty parts are skipped", ",,;*.wav|", {"*.wav"}},
        {"star dot star", "*.*", {"*.*"}},
        {"empty text", "", {}},
    };
    for (const auto& [rule, text, masks] : cases) {
        EXPECT_EQ(TFileMaskList(text).Masks(), masks) << rule;
    }
}

TEST(FileMaskList, MatchesNamesIgnoringCase)
{
    const std::tuple<const char*, const char*, const char*, bool> cases[] = {
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
    for (const auto& [rule, masks, name, matches] : cases) {
        EXPECT_EQ(TFileMaskList(masks).Matches(name), matches) << rule;
    }
}

} // namespace
