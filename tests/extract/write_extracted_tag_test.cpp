#include "extract/run_formula.h"
#include "extract/write_extracted_tag.h"
#include "support/mp3_fixture.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using F = TTagField;

const std::string Stream = MakeMp3Stream(3);
const std::string OldTrailer =
    MakeTrailer("Old Title", "Old Artist", "Old Album", "1999", "Old Comment", 5, 17);

struct TWriteCase
{
    const char* Rule;
    TTagFormula Formula;
    TFieldValues Values;
    bool Preserve;
    std::string Trailer; // the file's trailer afterwards
};

TEST(WriteExtractedTag, WritesTheValuesOfARun)
{
    const TTagFormula artistTitle{{"", " - "}, {F::Artist, F::Title}};
    const TTagFormula trackTitle{{"", " - "}, {F::Track, F::Title}};
    const TTagFormula titleYear{{"", " - "}, {F::Title, F::Year}};
    const std::string longTitle = std::string(29, 'a') + "\xC3\xA9\xC3\xA9";
    const TWriteCase cases[] = {
        {"the preserve mode keeps the other fields",
         artistTitle,
         {"Band", "Song"},
         true,
         MakeTrailer("Song", "Band", "Old Album", "1999", "Old Comment", 5, 17)},
        {"the clear mode keeps only track and genre",
         artistTitle,
         {"Band", "Song"},
         false,
         MakeTrailer("Song", "Band", "", "", "", 5, 17)},
        {"an empty value keeps the file's field",
         artistTitle,
         {"", "Song"},
         true,
         MakeTrailer("Song", "Old Artist", "Old Album", "1999", "Old Comment", 5, 17)},
        {"an empty value leaves a cleared field empty",
         artistTitle,
         {"", "Song"},
         false,
         MakeTrailer("Song", "", "", "", "", 5, 17)},
        {"a track keeps its low 8 bits",
         trackTitle,
         {"300", "Song"},
         true,
         MakeTrailer("Song", "Old Artist", "Old Album", "1999", "Old Comment", 44, 17)},
        {"a track with a leading zero",
         trackTitle,
         {"07", "Song"},
         false,
         MakeTrailer("Song", "", "", "", "", 7, 17)},
        {"a track that is not a number keeps the old one",
         trackTitle,
         {"A1", "Song"},
         true,
         MakeTrailer("Song", "Old Artist", "Old Album", "1999", "Old Comment", 5, 17)},
        {"texts are cut to 30 characters, the year to 4",
         titleYear,
         {longTitle, "19999"},
         true,
         MakeTrailer(std::string(29, 'a') + "\xE9", "Old Artist", "Old Album", "1999",
                     "Old Comment", 5, 17)},
        {"a later field wins and trash is never written",
         {{"", " - ", " - "}, {F::Title, F::Trash, F::Title}},
         {"First", "Junk", "Second"},
         false,
         MakeTrailer("Second", "", "", "", "", 5, 17)},
    };
    for (const auto& c : cases) {
        TTempDir dir;
        const auto path = WriteBytes(dir / "a.mp3", Stream + OldTrailer).string();
        const auto result = WriteExtractedTag(path, c.Formula, c.Values, c.Preserve);
        EXPECT_EQ(result.Status, TExtractWriteStatus::Written) << c.Rule;
        EXPECT_EQ(ReadBytes(path), Stream + c.Trailer) << c.Rule;
    }
}

TEST(WriteExtractedTag, GivesAnUntaggedFileTheValuesItReports)
{
    TTempDir dir;
    const auto path = WriteBytes(dir / "a.mp3", Stream).string();
    const TTagFormula formula = DefaultFormula();
    EXPECT_EQ(WriteExtractedTag(path, formula, {}, true).Status, TExtractWriteStatus::Written);
    EXPECT_EQ(ReadBytes(path),
              Stream + MakeTrailer("a.mp3", "[notag]", "[notag]", "    ", "[notag]", 0, 255));
}

TEST(WriteExtractedTag, LeavesFilesItCannotWriteAsTheyWere)
{
    const TTagFormula formula{{"", " - "}, {F::Artist, F::Title}};
    const TFieldValues values = {"Band", "Song"};
    TTempDir dir;

    const auto readOnly = WriteBytes(dir / "read-only.mp3", Stream + OldTrailer).string();
    chmod(readOnly.c_str(), 0444);
    const auto refused = WriteExtractedTag(readOnly, formula, values, true);
    EXPECT_EQ(refused.Status, TExtractWriteStatus::WriteFailed);
    EXPECT_EQ(refused.Code, EACCES);
    EXPECT_EQ(ReadBytes(readOnly), Stream + OldTrailer);

    const auto missing = WriteExtractedTag(dir / "missing.mp3", formula, values, true);
    EXPECT_EQ(missing.Status, TExtractWriteStatus::Missing);
    EXPECT_EQ(missing.Code, -1);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "missing.mp3"));

    // without recognised audio the trailer is not read, so a write would replace it by defaults
    const auto text = WriteBytes(dir / "notes.mp3", "just text" + OldTrailer).string();
    EXPECT_EQ(WriteExtractedTag(text, formula, values, true).Status, TExtractWriteStatus::NotAudio);
    EXPECT_EQ(ReadBytes(text), "just text" + OldTrailer);
}

TEST(RunFormula, ShowsTheFilesOwnValuesInThePreserveMode)
{
    TTempDir dir;
    const auto path = WriteBytes(dir / "Band - Song.mp3", Stream + OldTrailer).string();
    const TTagFormula formula{{"", " - "}, {F::Artist, F::Title}};
    TExtractOptions options;
    const auto preserved = RunFormula("Band - Song.mp3", formula, options, path);
    const std::vector<std::string> lines = {
        "Track Nr = 5",    "Title    = Song",        "Artist   = Band", "Album    = Old Album",
        "Year     = 1999", "Comment  = Old Comment", "_TRASH_  = ",
    };
    EXPECT_EQ(AllTagsLines(preserved.PreviewTag), lines);

    options.PreserveOtherTag = false;
    const auto cleared = RunFormula("Band - Song.mp3", formula, options, path);
    const std::vector<std::string> clearedLines = {
        "Track Nr = ", "Title    = Song", "Artist   = Band", "Album    = ",
        "Year     = ", "Comment  = ",     "_TRASH_  = ",
    };
    EXPECT_EQ(AllTagsLines(cleared.PreviewTag), clearedLines);
}

} // namespace
