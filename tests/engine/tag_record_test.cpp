#include "engine/genre_names.h"
#include "engine/id3v2_tag.h"
#include "engine/mpeg_audio.h"
#include "engine/tag_record.h"
#include "support/id3v2_fixture.h"
#include "support/mp3_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

using namespace std::string_literals;

// Failures name the fields rather than dump their bytes.
void PrintTo(const TId3v2Fields& fields, std::ostream* out)
{
    for (const auto field : Id3v2FieldOrder) {
        *out << (fields.*field ? "\"" + *(fields.*field) + "\" " : "- ");
    }
}

namespace {

TTagTrailer TrailerOf(const std::string& bytes)
{
    TTagTrailer trailer{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), trailer.size()), trailer.begin());
    return trailer;
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
        // fields stop at their first zero byte and lose trailing blanks and zero bytes; leading
        // and inner blanks stay
        {"fields are trimmed",
         MakeTrailer("AB\0CD"s, "  word  ", "\0abc"s, "    ", "a  b \0 \0"s, 0, 0),
         TTagRecord{"AB", "  word", "", "", "a  b", 0, 0}},
        {"every text field full, the comment's last character the track",
         MakeTrailer(std::string(30, 't'), std::string(30, 'a'), std::string(30, 'l'), "2001",
                     std::string(30, 'c'), -1, 12),
         TTagRecord{std::string(30, 't'), std::string(30, 'a'), std::string(30, 'l'), "2001",
                    std::string(30, 'c'), 12, 'c'}},
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
    // genre names follow the list players share: its ends and the ends of its extensions
    const std::tuple<int, std::string_view> genres[] = {
        {0, "Blues"},      {79, "Hard Rock"},  {147, "Synthpop"},  {148, "Abstract"},
        {191, "Psybient"}, {192, "<unknown>"}, {255, "<unknown>"},
    };
    EXPECT_EQ(GenreCount, 192u);
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

    // no text field runs into the next (empty here, so that nothing would cover it); the track
    // takes the 30th comment character. Field, offset and the characters kept:
    const std::tuple<std::string TTagRecord::*, std::size_t, std::size_t> fields[] = {
        {&TTagRecord::Title, 3, 30}, {&TTagRecord::Artist, 33, 30},  {&TTagRecord::Album, 63, 30},
        {&TTagRecord::Year, 93, 4},  {&TTagRecord::Comment, 97, 29},
    };
    for (const auto& [field, offset, kept] : fields) {
        TTagRecord one{"", "", "", "", "", 0, 0};
        one.*field = std::string(31, 'x');
        const TTagTrailer built = BuildTagTrailer(one);
        std::string expected = "TAG" + std::string(125, '\0');
        expected.replace(offset, kept, kept, 'x');
        EXPECT_EQ(std::string(built.begin(), built.end()), expected) << offset;
    }
}

using enum TId3v2Encoding;

// Bytes that look like an MPEG frame header and an unsynchronisation pattern, as pictures hold.
const std::string Picture = "\x00image/jpeg\x00\x03\x00\xFF\xFB\x90\x00\xFF\xE0\xFF"s;

TEST(Id3v2Tag, ReadsTheSevenFieldsOfEachVersion)
{
    const std::string title = "Caf\xC3\xA9 \xE2\x98\x95 \xF0\x9F\x8E\xB5"; // é, a cup, a note
    const std::vector<TId3v2TestFrame> v22 = {
        {"TT2", TextBody(Latin1, "Caf\xC3\xA9")}, {"TP1", TextBody(Latin1, "Artist")},
        {"TAL", TextBody(Latin1, "Album")},       {"TYE", TextBody(Latin1, "1999")},
        {"COM", CommentBody(Latin1, "", "Note")}, {"TCO", TextBody(Latin1, "(17)")},
        {"TRK", TextBody(Latin1, "3/12")}};
    const std::vector<TId3v2TestFrame> v23 = {{"COMM", CommentBody(Utf16, "iTunNORM", " 0000")},
                                              {"TIT2", TextBody(Utf16, title)},
                                              {"TYER", TextBody(Latin1, "2001")},
                                              {"TCON", TextBody(Latin1, "(17)Rock")},
                                              {"COMM", CommentBody(Utf16, "", "Nice")},
                                              {"APIC", Picture}};
    const std::vector<TId3v2TestFrame> v24 = {{"TIT2", TextBody(Utf8, title)},
                                              {"TPE1", TextBody(Utf16BE, "\xC3\x85sa")},
                                              {"TDRC", TextBody(Latin1, "2001-05-02")},
                                              {"TALB", TextBody(Utf16, "")},
                                              {"APIC", Picture},
                                              {"TCON", TextBody(Utf8, "Rock")},
                                              {"TRCK", TextBody(Latin1, "07")}};
    const TId3v2Fields none;
    const std::tuple<const char*, std::string, std::optional<TId3v2Fields>> cases[] = {
        {"2.2 with three-letter frames", MakeId3v2Tag(2, v22),
         TId3v2Fields{"Caf\xC3\xA9", "Artist", "Album", "1999", "Note", "17", "3/12"}},
        {"2.3 unsynchronised, UTF-16, the comment without a description",
         MakeId3v2Tag(3, v23, {.Unsynchronised = true, .Padding = 64}),
         TId3v2Fields{title, {}, {}, "2001", "Nice", "Rock", {}}},
        {"2.3 unsynchronised with an extended header",
         MakeId3v2Tag(3, v23, {.Unsynchronised = true, .ExtendedHeader = true}),
         TId3v2Fields{title, {}, {}, "2001", "Nice", "Rock", {}}},
        {"2.4 UTF-8 and UTF-16BE with an extended header",
         MakeId3v2Tag(4, v24, {.ExtendedHeader = true}),
         TId3v2Fields{title, "\xC3\x85sa", {}, "2001-05-02", {}, "Rock", "07"}},
        {"a tag without the seven frames", MakeId3v2Tag(4, {{"APIC", Picture}}), none},
        {"a tag of nothing but padding", MakeId3v2Tag(3, {}, {.Padding = 32}), none},
        {"no tag", "", std::nullopt},
        {"a tag not at the start", "\0"s + MakeId3v2Tag(4, v24), std::nullopt},
        {"2.4 without padding", MakeId3v2Tag(4, v24),
         TId3v2Fields{title, "\xC3\x85sa", {}, "2001-05-02", {}, "Rock", "07"}},
        // larger than the first block the analysis reads: the rest comes with one read more
        {"a tag with a 40 KB picture before its title",
         MakeId3v2Tag(3, {{"APIC", Picture + std::string(40000, '\x11')},
                          {"TIT2", TextBody(Latin1, "Late")}}),
         TId3v2Fields{"Late", {}, {}, {}, {}, {}, {}}},
    };
    for (const auto& [rule, tag, fields] : cases) {
        TTempDir dir;
        const std::string bytes = tag + MakeMp3Stream(3) + MakeTrailer("v1");
        const std::string path = WriteBytes(dir.Path() / "a.mp3", bytes).string();
        const TId3v2Reading reading = ReadId3v2Tag(path);
        EXPECT_TRUE(reading.Opened) << rule;
        EXPECT_EQ(reading.Fields, fields) << rule;
        // the analysis reads the tag from the bytes it reads anyway, to the same fields
        TMPEGAudio audio;
        TId3v2Reading analysed;
        audio.SetFileName(path, {}, analysed);
        EXPECT_EQ(analysed, reading) << rule;
        EXPECT_TRUE(audio.IsValid()) << rule;
        EXPECT_EQ(audio.Title, "v1") << rule;
        EXPECT_EQ(ReadBytes(path), bytes) << rule << ": reading changed the file";
    }
    EXPECT_EQ(ReadId3v2Tag("/nonexistent/a.mp3"), TId3v2Reading{});
    // a pipe put where a file was is no file, and nobody writing to it stalls nothing
    TTempDir dir;
    ASSERT_EQ(mkfifo((dir / "pipe.mp3").c_str(), 0600), 0);
    EXPECT_EQ(ReadId3v2Tag(dir / "pipe.mp3"), (TId3v2Reading{true, std::nullopt}));
}

} // namespace
