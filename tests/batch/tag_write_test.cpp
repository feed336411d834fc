#include "batch/tag_write.h"
#include "engine/mpeg_audio.h"
#include "support/mp3_fixture.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

namespace {

const std::string Stream = MakeMp3Stream(3);
const std::string OldTrailer =
    MakeTrailer("Old Title", "Old Artist", "Old Album", "1999", "Old Comment", 5, 17);
const std::string Junk = std::string(2000, 'x');

TEST(TagWrite, TypedTextsGiveTheFieldsToWrite)
{
    using enum TEditField;
    EXPECT_EQ(TagEditsFromTexts({{Title, "x", false}, {Genre, "Rock", false}}), TTagEdits{})
        << "fields not written change nothing";
    // texts are cut to 30 characters, the year to 4, counting characters
    const TTagEdits cut = {std::string(30, 't'),
                           "Ä" + std::string(29, 'a'),
                           std::string(30, 'l'),
                           "ÄÖÜß",
                           std::string(30, 'c'),
                           12,
                           7};
    EXPECT_EQ(TagEditsFromTexts({{Title, std::string(31, 't')},
                                 {Artist, "Ä" + std::string(30, 'a')},
                                 {Album, std::string(31, 'l')},
                                 {Year, "ÄÖÜßx"},
                                 {Comment, std::string(31, 'c')},
                                 {Genre, "<unknown>"},
                                 {Track, "07"}}),
              cut);
    // edits made elsewhere are cut as they reach the tag
    EXPECT_EQ(EditedTag({}, {std::string(31, 't'), "Ä" + std::string(30, 'a'), std::string(31, 'l'),
                             "ÄÖÜßx", std::string(31, 'c'), 12, 7}),
              (TTagRecord{*cut.Title, *cut.Artist, *cut.Album, *cut.Year, *cut.Comment, 12, 7}));
    // "<unknown>" writes Other; a name must match exactly, else the file keeps its genre
    const std::pair<const char*, std::optional<std::uint8_t>> genres[] = {
        {"<unknown>", 12}, {"Rock", 17}, {"rock", std::nullopt}, {"", std::nullopt}};
    for (const auto& [text, genre] : genres) {
        EXPECT_EQ(GenreFromChosenName(text), genre) << text;
    }
    // anything but a number 0..255 writes track 0
    const std::pair<const char*, std::uint8_t> tracks[] = {
        {" 5 ", 5}, {"255", 255}, {"", 0}, {"256", 0}, {"257", 0}, {"-1", 0}, {"7a", 0}};
    for (const auto& [text, track] : tracks) {
        EXPECT_EQ(TrackOrZero(text), track) << text;
    }
}

TTagRecord TagOf(const std::string& path)
{
    TMPEGAudio audio;
    audio.SetFileName(path);
    return audio.Tag();
}

TEST(TagWrite, WritesOnlyTheEditedFieldsAndClearsAnyTag)
{
    using enum TFileStatus;
    using enum TFailureReason;
    TTagEdits artist;
    artist.Artist = "New Artist";
    // rule, bytes ("" no file), read-only, write status and reason, clear status and bytes after
    const std::tuple<const char*, std::string, bool, TFileStatus, TFailureReason, TFileStatus,
                     std::string>
        cases[] = {
            {"a tagged file", Stream + OldTrailer, false, Done, None, Done, Stream},
            {"a file without a tag", Stream, false, Done, None, Unchanged, Stream},
            {"audio not recognised", Junk + OldTrailer, false, Refused, NotAudio, Done, Junk},
            {"a vanished file", "", false, Refused, Missing, Refused, ""},
            {"a read-only file", Stream + OldTrailer, true, Refused, None, Refused,
             Stream + OldTrailer},
        };
    for (const auto& [rule, bytes, readOnly, write, reason, clear, cleared] : cases) {
        TTempDir dir;
        const std::string path = dir / "Song.mp3";
        const std::string copy = dir / "Copy.mp3";
        for (const std::string& file : {path, copy}) {
            if (!bytes.empty()) {
                WriteBytes(file, bytes);
            }
            if (readOnly) {
                chmod(file.c_str(), 0444);
            }
        }
        const TTagRecord before = TagOf(path);
        const TFileOutcome outcome = WriteTagToFile(path, artist);
        EXPECT_EQ(outcome.Status, write) << rule;
        EXPECT_EQ(outcome.Failure.Reason, reason) << rule;
        EXPECT_EQ(outcome.Failure.Error, readOnly ? EACCES : 0) << rule;
        if (write == Done) {
            TTagRecord expected = before;
            expected.Artist = "New Artist";
            // the four spaces of a missing tag are written and read as blank
            expected.Year = bytes == Stream ? "" : expected.Year;
            EXPECT_EQ(TagOf(path), expected) << rule;
            EXPECT_TRUE(ReadBytes(path).starts_with(Stream)) << rule;
        } else {
            EXPECT_EQ(ReadBytes(path), bytes) << rule;
        }
        EXPECT_EQ(ClearTagOfFile(copy).Status, clear) << rule;
        EXPECT_EQ(ReadBytes(copy), cleared) << rule;
    }
}

} // namespace
