#include "batch/tag_write.h"
#include "engine/mpeg_audio.h"
#include "support/mp3_fixture.h"

#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const std::string Stream = MakeMp3Stream(3);
const std::string OldTrailer =
    MakeTrailer("Old Title", "Old Artist", "Old Album", "1999", "Old Comment", 5, 17);
const std::string NotAudio = std::string(2000, 'x');

TEST(TagWrite, BoxTextsGiveTheFieldsToWrite)
{
    const struct
    {
        const char* Rule;
        TTagBoxTexts Boxes;
        TTagEdits Edits;
    } cases[] = {
        {"disabled boxes change nothing", {}, {}},
        {"texts are cut to 30 characters, the year to 4, counting characters",
         {std::string(31, 't'), "Ä" + std::string(30, 'a'), "", "ÄÖÜßx", "", {}, {}},
         {std::string(30, 't'), "Ä" + std::string(29, 'a'), "", "ÄÖÜß", "", {}, {}}},
        {"<unknown> writes Other, a name writes its genre",
         {{}, {}, {}, {}, {}, "<unknown>", "07"},
         {{}, {}, {}, {}, {}, 12, 7}},
        {"a name that matches no genre exactly leaves the genre",
         {{}, {}, {}, {}, {}, "rock", " 5 "},
         {{}, {}, {}, {}, {}, {}, 5}},
        {"a blank track writes 0", {{}, {}, {}, {}, {}, "Rock", ""}, {{}, {}, {}, {}, {}, 17, 0}},
        {"a track that is no byte writes 0",
         {{}, {}, {}, {}, {}, {}, "256"},
         {{}, {}, {}, {}, {}, {}, 0}},
        {"a track that is no number writes 0",
         {{}, {}, {}, {}, {}, {}, "-1"},
         {{}, {}, {}, {}, {}, {}, 0}},
        {"the largest track", {{}, {}, {}, {}, {}, {}, "255"}, {{}, {}, {}, {}, {}, {}, 255}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TagEditsFromBoxes(c.Boxes), c.Edits) << c.Rule;
    }
}

TTagRecord TagOf(const std::string& path)
{
    TMPEGAudio audio;
    audio.SetFileName(path);
    return audio.Tag();
}

TEST(TagWrite, WritesOnlyTheEditedFieldsAndRefusesWhatItCannotRead)
{
    TTagEdits artist;
    artist.Artist = "New Artist";
    const auto hash = std::hash<std::string>{};
    const struct
    {
        const char* Rule;
        std::string Bytes; // empty: no file
        bool ReadOnly;
        TFileStatus Status;
        TFailureReason Reason;
        int Error;
    } cases[] = {
        {"a tagged file", Stream + OldTrailer, false, TFileStatus::Done, TFailureReason::None, 0},
        {"a file without a tag", Stream, false, TFileStatus::Done, TFailureReason::None, 0},
        {"audio not recognised", NotAudio + OldTrailer, false, TFileStatus::Refused,
         TFailureReason::NotAudio, 0},
        {"a vanished file", "", false, TFileStatus::Refused, TFailureReason::Missing, 0},
        {"a read-only file", Stream + OldTrailer, true, TFileStatus::Refused, TFailureReason::None,
         EACCES},
    };
    for (const auto& c : cases) {
        TTempDir dir;
        const std::string path = dir / "Song.mp3";
        if (!c.Bytes.empty()) {
            WriteBytes(path, c.Bytes);
        }
        if (c.ReadOnly) {
            chmod(path.c_str(), 0444);
        }
        const TTagRecord before = TagOf(path);
        const TFileOutcome outcome = WriteTagToFile(path, artist);
        EXPECT_EQ(outcome.Status, c.Status) << c.Rule;
        EXPECT_EQ(outcome.Failure.Reason, c.Reason) << c.Rule;
        EXPECT_EQ(outcome.Failure.Error, c.Error) << c.Rule;
        if (c.Status != TFileStatus::Done) {
            EXPECT_EQ(ReadBytes(path), c.Bytes) << c.Rule;
            continue;
        }
        TTagRecord expected = before;
        expected.Artist = "New Artist";
        if (c.Bytes == Stream) {
            expected.Year = ""; // the four spaces of a missing tag are written and read as blank
        }
        EXPECT_EQ(TagOf(path), expected) << c.Rule;
        EXPECT_EQ(hash(ReadBytes(path).substr(0, Stream.size())), hash(Stream)) << c.Rule;
    }
}

TEST(TagWrite, ClearsAnyFileWithATag)
{
    const struct
    {
        const char* Rule;
        std::string Bytes;
        bool ReadOnly;
        TFileStatus Status;
        std::string After;
    } cases[] = {
        {"a tagged file", Stream + OldTrailer, false, TFileStatus::Done, Stream},
        {"a file without a tag", Stream, false, TFileStatus::Unchanged, Stream},
        {"audio not recognised", NotAudio + OldTrailer, false, TFileStatus::Done, NotAudio},
        {"a vanished file", "", false, TFileStatus::Refused, ""},
        {"a read-only file", Stream + OldTrailer, true, TFileStatus::Refused, Stream + OldTrailer},
    };
    for (const auto& c : cases) {
        TTempDir dir;
        const std::string path = dir / "Song.mp3";
        if (!c.Bytes.empty()) {
            WriteBytes(path, c.Bytes);
        }
        if (c.ReadOnly) {
            chmod(path.c_str(), 0444);
        }
        EXPECT_EQ(ClearTagOfFile(path).Status, c.Status) << c.Rule;
        EXPECT_EQ(ReadBytes(path), c.After) << c.Rule;
    }
}

} // namespace
