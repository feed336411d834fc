#include "batch/id3v2_copy.h"
#include "engine/mpeg_audio.h"
#include "support/id3v2_fixture.h"
#include "support/mp3_fixture.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

using namespace std::string_literals;

namespace {

using enum TId3v2Encoding;

TEST(Id3v2Copy, MapsTheFieldsToId3v1)
{
    const std::string thirty = "\xC3\x84" + std::string(29, 'a'); // Ä and 29 letters
    // one ID3v2 field, and one edit
    const auto v2 = [](std::optional<std::string> TId3v2Fields::*field, const char* text) {
        TId3v2Fields fields;
        fields.*field = text;
        return fields;
    };
    const auto year = [&](const char* date) { return v2(&TId3v2Fields::Year, date); };
    const auto track = [&](const char* text) { return v2(&TId3v2Fields::Track, text); };
    const auto genre = [&](const char* text) { return v2(&TId3v2Fields::Genre, text); };
    const auto edit = [](std::optional<std::uint8_t> TTagEdits::*field, std::uint8_t value) {
        TTagEdits edits;
        edits.*field = value;
        return edits;
    };
    const auto v1Track = [&](std::uint8_t value) { return edit(&TTagEdits::Track, value); };
    const auto v1Genre = [&](std::uint8_t value) { return edit(&TTagEdits::Genre, value); };
    TTagEdits v1Year;
    v1Year.Year = "2001";
    const std::tuple<const char*, TId3v2Fields, TTagEdits> cases[] = {
        {"absent fields are not edited", {}, {}},
        {"texts are cut to 30 characters",
         {thirty + "bc", "A", "", {}, thirty, {}, {}},
         {thirty, "A", "", {}, thirty, {}, {}}},
        {"the year is the date's first four digits", year("2001-05-02"), v1Year},
        {"a date not starting with four digits gives none", year("c. 1999"), {}},
        {"a two-digit year gives none", year("99"), {}},
        {"the track is the number before the slash", track("3/12"), v1Track(3)},
        {"a track with spaces and a leading zero", track(" 07 "), v1Track(7)},
        {"track 255 fits", track("255"), v1Track(255)},
        {"track 256 does not", track("256"), {}},
        {"a track that is no number", track("A1"), {}},
        {"an empty number before the slash", track("/12"), {}},
        {"a genre number in parentheses", genre("(17)"), v1Genre(17)},
        {"a plain genre number", genre("147"), v1Genre(147)},
        {"a number with a refinement after it", genre("(9)Metal"), v1Genre(9)},
        {"a genre name in any case", genre("rOCK"), v1Genre(17)},
        {"a number beyond the genre list", genre("(200)"), {}},
        {"a name that is no genre", genre("Polka Punk Jazz"), {}},
    };
    for (const auto& [rule, fields, edits] : cases) {
        EXPECT_EQ(Id3v1EditsFromId3v2(fields), edits) << rule;
    }
}

TEST(Id3v2Copy, TellsTheFieldsTheTagsDisagreeIn)
{
    const std::string thirty(30, 'a');
    const TTagRecord own{"Song", "Band", thirty, "2001", "", 17, 3};
    const TId3v2Fields same{"Song", "Band", thirty + "bc", "2001-05-02", {}, "(17)Rock", "3/12"};
    const auto with = [&](std::optional<std::string> TId3v2Fields::*field,
                          std::optional<std::string> value) {
        TId3v2Fields fields = same;
        fields.*field = std::move(value);
        return fields;
    };
    using TFlags = std::array<bool, 7>;
    const std::tuple<const char*, std::optional<TTagRecord>, TId3v2Fields, TFlags> cases[] = {
        {"the values a copy would store", own, same, {}},
        {"another title", own, with(&TId3v2Fields::Title, "Other"), {true}},
        {"a field only ID3v1 holds", own, with(&TId3v2Fields::Artist, {}), {false, true}},
        {"a field neither holds", own, with(&TId3v2Fields::Comment, {}), {}},
        {"a date of another year",
         own,
         with(&TId3v2Fields::Year, "2002"),
         {false, false, false, true}},
        {"a genre no genre number has",
         own,
         with(&TId3v2Fields::Genre, "Polka Punk"),
         {false, false, false, false, false, true}},
        {"a track ID3v1 cannot hold",
         own,
         with(&TId3v2Fields::Track, "300"),
         {false, false, false, false, false, false, true}},
        {"no ID3v1 tag", std::nullopt, TId3v2Fields{"Song", {}, {}, {}, {}, {}, {}}, {true}},
        {"no ID3v1 tag and an empty ID3v2 tag", std::nullopt, TId3v2Fields{}, {}},
        {"a text the code page cannot hold, as a copy stores it",
         TTagRecord{"??", "", "", "", "", 255, 0},
         TId3v2Fields{"\xE6\x97\xA5\xE6\x9C\xAC", {}, {}, {}, {}, {}, {}},
         {}},
    };
    for (const auto& [rule, id3v1, id3v2, disagreeing] : cases) {
        EXPECT_EQ(FieldsDisagreeing(id3v1, id3v2, DefaultTagCodePage), disagreeing) << rule;
    }
}

TEST(Id3v2Copy, KeepsTheId3v2ValuesThatAgree)
{
    const TTagRecord written{"A Title Longer Than An ID3v1 T", "??", "", "2001", "", 17, 3};
    const auto keeps = KeepsAgreeing(written, DefaultTagCodePage);
    const struct
    {
        std::size_t Field;
        std::string Held;
        bool Keeps;
    } cases[] = {
        {0, "A Title Longer Than An ID3v1 Tag Holds", true},
        {0, "Another Title", false},
        {1, "\xE6\x97\xA5\xE6\x9C\xAC", true}, // stored as "??"
        {1, "?? ", true},                      // trailing blanks are not stored
        {3, "2001-05-02", true},
        {3, "2002", false},
        {4, "a comment ID3v1 lacks", false},
        {5, "(17)", true},
        {6, "03/12", true},
        {6, "4", false},
    };
    for (const auto& [field, held, kept] : cases) {
        EXPECT_EQ(keeps(field, held), kept) << field << " " << held;
    }
}

TEST(Id3v2Copy, WritesOnlyTheId3v1Tag)
{
    using enum TFileStatus;
    // a cover picture may hold bytes that look like frames; the tag must come through unchanged
    const std::string picture =
        "\x00image/png\x00\x03\x00\xFF\xFB\x90\x00"s + std::string(300, 'p');
    const std::string v24 = MakeId3v2Tag(
        4,
        {{"TIT2", TextBody(Utf16, "Caf\xC3\xA9 \xE2\x98\x95")}, // the cup is not in 1252
         {"TPE1", TextBody(Utf8, "Band")},
         {"TALB", TextBody(Utf16BE, "Album")},
         {"TDRC", TextBody(Latin1, "2001-05-02")},
         {"COMM", CommentBody(Utf8, "", "Fine")},
         {"TCON", TextBody(Latin1, "(17)")},
         {"TRCK", TextBody(Latin1, "3/12")},
         {"APIC", picture}},
        {.Padding = 100});
    const std::string v23 =
        MakeId3v2Tag(3, {{"TIT2", TextBody(Utf16, "New")}, {"TCON", TextBody(Latin1, "Rock")}});
    const std::string audio = MakeMp3Stream(3);
    const std::string old = MakeTrailer("Old", "Old Band", "Old Album", "1999", "Old", 5, 1);
    const TTagRecord full{"Caf\xC3\xA9 ?", "Band", "Album", "2001", "Fine", 17, 3};
    const TTagRecord merged{"New", "Old Band", "Old Album", "1999", "Old", 17, 5};
    // rule, bytes, read-only, dry run, status, no ID3v2 tag, the tag read afterwards; every file
    // may be written with "?" for what the code page lacks, but the last two
    const std::tuple<const char*, std::string, bool, bool, TFileStatus, bool,
                     std::optional<TTagRecord>>
        cases[] = {
            {"a file without an ID3v1 tag gets one", v24 + audio, false, false, Done, false, full},
            {"an ID3v1 tag is replaced", v24 + audio + old, false, false, Done, false, full},
            {"fields the ID3v2 tag lacks keep their ID3v1 values", v23 + audio + old, false, false,
             Done, false, merged},
            {"a file without an ID3v2 tag is left alone", audio + old, false, false, Unchanged,
             true, std::nullopt},
            {"a dry run writes nothing", v24 + audio + old, false, true, Done, false, std::nullopt},
            {"a read-only file is refused", v24 + audio, true, false, Refused, false, std::nullopt},
            {"a read-only file is refused in a dry run too", v24 + audio, true, true, Refused,
             false, std::nullopt},
            {"a file without audio is refused", v24 + std::string(900, 'x'), false, false, Refused,
             false, std::nullopt},
            {"a text the code page lacks is not written", v24 + audio + old, false, false, Refused,
             false, std::nullopt},
            {"nor planned", v24 + audio + old, false, true, Refused, false, std::nullopt},
        };
    const std::size_t lossyRows = std::size(cases) - 2;
    for (std::size_t row = 0; row < std::size(cases); ++row) {
        const auto& [rule, bytes, readOnly, dryRun, status, noId3v2, tag] = cases[row];
        TTempDir dir;
        const std::string path = WriteBytes(dir.Path() / "a.mp3", bytes).string();
        if (readOnly) {
            chmod(path.c_str(), 0444);
        }
        TMPEGAudio analysis;
        const TId3v2CopyOutcome outcome =
            CopyId3v2ToId3v1(analysis, path, dryRun, {}, row < lossyRows);
        EXPECT_EQ(outcome.Outcome.Status, status) << rule;
        EXPECT_EQ(outcome.NoId3v2, noId3v2) << rule;
        EXPECT_EQ(outcome.Outcome.Failure.Reason == TFailureReason::Unencodable, row >= lossyRows)
            << rule;
        EXPECT_EQ(outcome.Outcome.Failure.Error, readOnly ? EACCES : 0) << rule;
        const std::string after = ReadBytes(path);
        if (!tag) {
            EXPECT_EQ(after, bytes) << rule;
            continue;
        }
        // the ID3v2 tag and the audio stay byte for byte; a second copy has nothing to do
        const bool hadTrailer = bytes.ends_with(old);
        EXPECT_EQ(after.substr(0, after.size() - 128),
                  bytes.substr(0, bytes.size() - (hadTrailer ? 128 : 0)))
            << rule;
        analysis.SetFileName(path);
        EXPECT_EQ(analysis.Tag(), *tag) << rule;
        EXPECT_EQ(CopyId3v2ToId3v1(analysis, path, false, {}, true).Outcome.Status, Unchanged)
            << rule;
    }
}

TEST(Id3v2Copy, CountsTheFilesWithAnId3v2Tag)
{
    TTempDir dir;
    const std::string tagged =
        WriteBytes(dir.Path() / "a.mp3", MakeId3v2Tag(3, {}, {.Padding = 10}) + MakeMp3Stream(2))
            .string();
    const std::string plain = WriteBytes(dir.Path() / "b.mp3", MakeMp3Stream(2)).string();
    EXPECT_EQ(CountId3v2Tags({tagged, plain, dir / "gone.mp3", tagged}), 2u);
}

} // namespace
