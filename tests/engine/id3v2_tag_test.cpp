#include "engine/id3v2_tag.h"
#include "support/id3v2_fixture.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace std::string_literals;

// Failures name the fields rather than dump their bytes.
void PrintTo(const TId3v2Fields& fields, std::ostream* out)
{
    for (const auto* field : {&fields.Title, &fields.Artist, &fields.Album, &fields.Year,
                              &fields.Comment, &fields.Genre, &fields.Track}) {
        *out << (*field ? "\"" + **field + "\" " : "- ");
    }
}

namespace {

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
        {"no tag", "", std::nullopt},
        {"a tag not at the start", "\0"s + MakeId3v2Tag(4, v24), std::nullopt},
        {"2.4 without padding", MakeId3v2Tag(4, v24),
         TId3v2Fields{title, "\xC3\x85sa", {}, "2001-05-02", {}, "Rock", "07"}},
    };
    for (const auto& [rule, tag, fields] : cases) {
        TTempDir dir;
        const std::string bytes = tag + MakeMp3Stream(3) + MakeTrailer("v1");
        const std::string path = WriteBytes(dir.Path() / "a.mp3", bytes).string();
        const TId3v2Reading reading = ReadId3v2Tag(path);
        EXPECT_TRUE(reading.Opened) << rule;
        EXPECT_EQ(reading.Fields, fields) << rule;
        EXPECT_EQ(ReadBytes(path), bytes) << rule << ": reading changed the file";
    }
    EXPECT_EQ(ReadId3v2Tag("/nonexistent/a.mp3"), TId3v2Reading{});
}

} // namespace
