#include "engine/genre_names.h"
#include "engine/tag_record.h"
#include "support/mp3_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace {

TTagTrailer TrailerOf(const std::string& bytes)
{
    TTagTrailer trailer{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), trailer.size()), trailer.begin());
    return trailer;
}

TEST(TagRecord, TrimsFieldBytes)
{
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"text stops at the first zero byte", std::string("AB\0CD", 5), "AB"},
        {"leading spaces stay", "  word  ", "  word"},
        {"only spaces read as empty", "    ", ""},
        {"trailing zero bytes and spaces go", std::string("ab \0 \0", 6), "ab"},
        {"a zero byte first reads as empty", std::string("\0abc", 4), ""},
        {"inner spaces stay", "a  b", "a  b"},
    };
    for (const auto& [rule, bytes, text] : cases) {
        EXPECT_EQ(TrimTagText(bytes), text) << rule;
    }
}

TEST(TagRecord, ParsesTrailers)
{
    const std::string comment30 = "abcdefghijklmnopqrstuvwxyz0123";
    // a trailer whose first three bytes are `start`
    const auto startingWith = [](const std::string& start) {
        return (start + "   ").substr(0, 3) + MakeTrailer("Title").substr(3);
    };
    const std::tuple<const char*, std::string, std::optional<TTagRecord>> cases[] = {
        {"a full ID3v1.1 tag", MakeTrailer("Title", "Artist", "Album", "1999", "Comment", 7, 17),
         TTagRecord{"Title", "Artist", "Album", "1999", "Comment", 17, 7}},
        {"blank year bytes read as empty", MakeTrailer("T", "", "", "    ", "", 0, 255),
         TTagRecord{"T", "", "", "", "", 255, 0}},
        {"a 30-character comment gives its last character as track",
         MakeTrailer("", "", "", "", comment30, -1, 12),
         TTagRecord{"", "", "", "", comment30, 12, '3'}},
        {"an ID3v1.1 comment stops before the track byte", MakeTrailer("", "", "", "", "abc", 9, 0),
         TTagRecord{"", "", "", "", "abc", 0, 9}},
        {"genres above the table stay", MakeTrailer("", "", "", "", "", 0, 200),
         TTagRecord{"", "", "", "", "", 200, 0}},
        {"trailer bytes are Windows-1252", MakeTrailer("Caf\xE9", "\x80", "", "", "", 0, 0),
         TTagRecord{"Caf\xC3\xA9", "\xE2\x82\xAC", "", "", "", 0, 0}},
        // only a capital "TAG" starts a trailer
        {"tag", startingWith("tag"), std::nullopt},
        {"TAg", startingWith("TAg"), std::nullopt},
        {"TA", startingWith("TA"), std::nullopt},
        {"XTAG", startingWith("XTAG"), std::nullopt},
        {"no start", startingWith(""), std::nullopt},
    };
    for (const auto& [rule, bytes, expected] : cases) {
        EXPECT_EQ(ParseTagTrailer(TrailerOf(bytes)), expected) << rule;
    }
    // genre names follow the list players share
    const std::tuple<int, std::string_view> genres[] = {
        {0, "Blues"},      {137, "Heavy Metal"}, {148, "Abstract"},
        {191, "Psybient"}, {192, "<unknown>"},   {255, "<unknown>"},
    };
    for (const auto& [index, name] : genres) {
        EXPECT_EQ(GenreName(static_cast<std::uint8_t>(index)), name) << index;
    }
}

TEST(TagRecord, BuildsTrailers)
{
    // the track byte takes the last comment character
    const std::tuple<const char*, std::string, std::uint8_t, std::string, std::uint8_t> cases[] = {
        {"30 characters and track 7 keep 29 and the track's character",
         "123456789012345678901234567890", 7, "12345678901234567890123456789\x07", 7},
        {"29 characters and a track read back with the track's character",
         "12345678901234567890123456789", 65, "12345678901234567890123456789A", 65},
        {"28 characters and track 0 read back unchanged", "1234567890123456789012345678", 0,
         "1234567890123456789012345678", 0},
        {"30 characters and track 0 lose the last one", "123456789012345678901234567890", 0,
         "12345678901234567890123456789", 0},
    };
    for (const auto& [rule, comment, track, readComment, readTrack] : cases) {
        TTagRecord tag;
        tag.Comment = comment;
        tag.Track = track;
        const TTagTrailer trailer = BuildTagTrailer(tag);
        EXPECT_EQ(trailer[126], track) << rule;
        const auto read = ParseTagTrailer(trailer);
        EXPECT_EQ(read->Comment, readComment) << rule;
        EXPECT_EQ(read->Track, readTrack) << rule;
    }

    // fields are cut by characters, not bytes
    TTagRecord tag;
    tag.Title = std::string(29, 'a') + "\xC3\xA9\xC3\xA9"; // 31 characters, two of them é
    tag.Artist = "\xD0\x96ukov";                           // Cyrillic Zhe has no byte
    tag.Year = "19\xC3\xA9\xC3\xA9x";
    const TTagTrailer trailer = BuildTagTrailer(tag);
    const std::string bytes(trailer.begin(), trailer.end());
    EXPECT_EQ(bytes.substr(3, 30), std::string(29, 'a') + "\xE9");
    EXPECT_EQ(bytes.substr(33, 6), std::string("?ukov\0", 6));
    EXPECT_EQ(bytes.substr(93, 4), "19\xE9\xE9");
    EXPECT_EQ(bytes[97], '[') << "the comment follows the year without overlap";
}

} // namespace
