#include "engine/mpeg_audio.h"
#include "extract/write_extracted_tag.h"
#include "support/mp3_fixture.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

namespace {

using F = TTagField;

const std::string Stream = MakeMp3Stream(3);
const std::string OldTrailer =
    MakeTrailer("Old Title", "Old Artist", "Old Album", "1999", "Old Comment", 5, 17);

// The texts joined by "|", apart again.
TFieldValues Split(const std::string& texts)
{
    TFieldValues parts;
    std::size_t k = 0;
    for (const char c : texts) {
        c == '|' ? void(++k) : parts[k].push_back(c);
    }
    return parts;
}

TEST(WriteExtractedTag, WritesTheValuesOfARun)
{
    const TTagFormula artistTitle{{"", " - "}, {F::Artist, F::Title}};
    const TTagFormula trackTitle{{"", " - "}, {F::Track, F::Title}};
    const TTagFormula titleYear{{"", " - "}, {F::Title, F::Year}};
    const TTagFormula titleTrashTitle{{"", " - ", " - "}, {F::Title, F::Trash, F::Title}};
    const std::string longTitle = std::string(29, 'a') + "\xC3\xA9\xC3\xA9";
    const std::string old = "|Old Artist|Old Album|1999|Old Comment|";
    // rule, formula, values, preserve, the title, artist, album, year, comment and track after
    const std::tuple<const char*, TTagFormula, std::string, bool, std::string> cases[] = {
        {"the preserve mode keeps the other fields", artistTitle, "Band|Song", true,
         "Song|Band|Old Album|1999|Old Comment|5"},
        {"the clear mode keeps track and genre", artistTitle, "Band|Song", false, "Song|Band||||5"},
        {"an empty value keeps the file's field", artistTitle, "|Song", true, "Song" + old + "5"},
        {"a track keeps its low 8 bits", trackTitle, "300|Song", true, "Song" + old + "44"},
        {"a track no number keeps the old", trackTitle, "A1|Song", true, "Song" + old + "5"},
        {"texts are cut to 30 characters, the year to 4", titleYear, longTitle + "|19999", true,
         std::string(29, 'a') + "\xE9" + old + "5"},
        {"a later field wins and trash is never written", titleTrashTitle, "First|Junk|Second",
         false, "Second|||||5"},
    };
    for (const auto& [rule, formula, values, preserve, texts] : cases) {
        TTempDir dir;
        const auto path = WriteBytes(dir / "a.mp3", Stream + OldTrailer).string();
        EXPECT_EQ(WriteExtractedTag(path, formula, Split(values), preserve), std::nullopt) << rule;
        const TFieldValues p = Split(texts);
        EXPECT_EQ(ReadBytes(path),
                  Stream + MakeTrailer(p[0], p[1], p[2], p[3], p[4], std::stoi(p[5]), 17))
            << rule;
    }
}

TEST(WriteExtractedTag, ThePreviewShowsWhatIsStored)
{
    const TTagFormula trackTitle{{"", " - "}, {F::Track, F::Title}};
    const std::string cyrillic = "\xD0\x92\xD0\xB5\xD1\x87"; // three letters Windows-1252 lacks
    const std::pair<const char*, std::string> cases[] = {
        {"a track no number keeps the old", "Al - Song.mp3"},
        {"a track keeps its low 8 bits", "300 - Song.mp3"},
        {"an empty track keeps the old", " - Song.mp3"},
        {"characters the code page lacks", "7 - " + cyrillic + ".mp3"},
        {"trailing spaces are not stored", "7 - Song  .mp3"},
    };
    for (const auto& [rule, name] : cases) {
        TTempDir dir;
        const auto path = WriteBytes(dir / "a.mp3", Stream + OldTrailer).string();
        const TFormulaRun run = RunFormula(name, trackTitle, {}, path);
        EXPECT_EQ(
            WriteExtractedTag(path, trackTitle, run.Values, true, {}, DefaultTagCodePage, true),
            std::nullopt)
            << rule;
        TMPEGAudio audio;
        audio.SetFileName(path);
        TPreviewTag stored;
        FillFromTag(stored, audio.Tag());
        EXPECT_EQ(AllTagsLines(run.PreviewTag), AllTagsLines(stored)) << rule;
    }
}

TEST(WriteExtractedTag, GivesAnUntaggedFileTheValuesItReports)
{
    TTempDir dir;
    const auto path = WriteBytes(dir / "a.mp3", Stream).string();
    const TTagFormula formula = DefaultFormula();
    EXPECT_EQ(WriteExtractedTag(path, formula, {}, true), std::nullopt);
    EXPECT_EQ(ReadBytes(path),
              Stream + MakeTrailer("a.mp3", "[notag]", "[notag]", "    ", "[notag]", 0, 255));
}

TEST(WriteExtractedTag, LeavesFilesItCannotWriteAsTheyWere)
{
    const TTagFormula formula{{"", " - "}, {F::Artist, F::Title}};
    const TFieldValues values = Split("Band|Song");
    TTempDir dir;

    const auto readOnly = WriteBytes(dir / "read-only.mp3", Stream + OldTrailer).string();
    chmod(readOnly.c_str(), 0444);
    const auto text = WriteBytes(dir / "notes.mp3", "just text" + OldTrailer).string();
    const std::string missing = dir / "missing.mp3";
    const std::tuple<const char*, std::string, TFileFailure> cases[] = {
        {"a read-only file",
         readOnly,
         {readOnly, EACCES, TFailureReason::None, "not written: Permission denied"}},
        {"a missing file is not made",
         missing,
         {missing, 0, TFailureReason::Missing, "not written: file not found"}},
        // without recognised audio the trailer is not read, so a write would replace it
        {"no audio", text, {text, 0, TFailureReason::NotAudio, "not written: no MPEG audio found"}},
    };
    for (const auto& [rule, path, failure] : cases) {
        const std::string before = std::filesystem::exists(path) ? ReadBytes(path) : "";
        EXPECT_EQ(WriteExtractedTag(path, formula, values, true), failure) << rule;
        EXPECT_EQ(std::filesystem::exists(path) ? ReadBytes(path) : "", before) << rule;
    }
}

} // namespace
