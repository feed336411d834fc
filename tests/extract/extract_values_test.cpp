#include "extract/extract_values.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

using F = TTagField;
using TTexts = std::vector<std::string>;

TTagFormula Formula(std::array<std::string, 6> seps,
                    std::array<TTagField, 6> fields = {F::Track, F::Artist, F::Album, F::Title,
                                                       F::Year, F::Comment})
{
    return TTagFormula{seps, fields};
}

TExtractOptions Trimmed(TCaseMode mode)
{
    TExtractOptions options;
    options.AutoTrimSpaces = true;
    options.CaseMode = mode;
    return options;
}

TExtractOptions NoPairs()
{
    TExtractOptions options;
    options.ReplacePairs.Selected = -1;
    return options;
}

const TTagFormula ArtistTitle = Formula({"", " - "}, {F::Artist, F::Title});
const TTagFormula SixFields = Formula({"<", "|", "|", "|", "|", "|"});

TEST(ExtractValues, FollowsTheFormulaToTheCharacter)
{
    const struct
    {
        const char* Rule;
        std::string Text;
        TTagFormula Formula;
        std::string Values; // the extracted fields joined by "|"
        TExtractOptions Options = {};
    } cases[] = {
        {"the default formula", "01 [ Some Band - Best Of ] - First Light.mp3", DefaultFormula(),
         "01|Some Band|Best Of|First Light"},
        {"the starting pair turns _ into a space", "A_B - C_D.mp3", ArtistTitle, "A B|C D"},
        {"a path cut at its folders, trimmed and capitalized",
         "Music/The Band/Live 1999/03 - on_the_road .mp3",
         Formula({"", "/", "/", "/", " - ", ""},
                 {F::Trash, F::Artist, F::Album, F::Track, F::Title}),
         "Music|The Band|Live 1999|03|On The Road", Trimmed(TCaseMode::cmCapitalize)},
        {"a missing separator empties both of its fields", "Song.mp3", ArtistTitle, "|"},
        {"the end marker is searched case-sensitively", "A - S.MP3", ArtistTitle, "A|"},
        {"an empty text gives an empty value per field", "", DefaultFormula(), "|||"},
        {"the sixth field runs to the fourth-last character", "<a|b|c|d|e|f.mpeg", SixFields,
         "a|b|c|d|e|f."},
        {"a typed %END ends the chain as an empty box does", "a - b x c.mp3",
         Formula({"", " - ", "%END", " x "}, {F::Artist, F::Title}), "a|b x c"},
        {"%NONE as a right separator is plain text, as a left one the start", "x%NONEy.mp3",
         Formula({"%NONE", "%NONE"}, {F::Artist, F::Title}), "x|x%NONEy"},
        {"%END as a first separator is plain text", "a%ENDb.mp3", Formula({"%END"}), "b"},
        {"%NONE to the end stops at the first .mp anywhere", "a.mp3 b.mp3", Formula({}), "a"},
        {"the end marker is only required to exist", "x - a.mp3.wav", ArtistTitle, "x|a.mp3"},
        {"a three-character extension still loses four", "A - Song.mp", ArtistTitle, "A|Son"},
        {"the extension is counted in characters",
         "A - Song.mp\xC3\xA4"
         "3",
         ArtistTitle, "A|Song."},
        {"the right separator is searched behind the left one", "-a-b.mp3",
         Formula({"-", "-"}, {F::Artist, F::Title}), "a|b"},
        {"overlapping separators", "aaa.mp3", Formula({"aa", "a"}, {F::Artist, F::Title}), "|"},
        {"a left separator that does not occur leaves the next field to start over", "a - b.mp3",
         Formula({"", " [ ", " - "}, {F::Track, F::Artist, F::Title}), "||b"},
        {"trimming removes control characters too", "\t x \t - y.mp3", ArtistTitle, "X|Y",
         Trimmed(TCaseMode::cmUpper)},
    };
    for (const auto& c : cases) {
        const auto run = ExtractValues(c.Text, c.Formula, c.Options);
        std::string joined;
        for (std::size_t k = 0; k < run.Values.size(); ++k) {
            const bool extracted = static_cast<int>(k) < run.FieldCount;
            joined += extracted ? (k > 0 ? "|" : "") + run.Values[k] : "";
            EXPECT_TRUE(extracted || run.Values[k].empty()) << c.Rule << " " << k;
        }
        EXPECT_EQ(joined, c.Values) << c.Rule;
    }
}

TEST(ExtractValues, FillsThePreviewSlots)
{
    const auto formula = Formula({"", " - ", " - "}, {F::Title, F::Trash, F::Title});
    TExtractOptions options;
    const auto preserved = ExtractValues("a - b - c.mp3", formula, options);
    EXPECT_EQ(preserved.PreviewTag[TPreviewSlot::Title], "c") << "a later field wins";
    EXPECT_EQ(preserved.PreviewTag[TPreviewSlot::Trash], "b");
    EXPECT_EQ(preserved.PreviewTag[TPreviewSlot::Artist], "_none_");

    options.PreserveOtherTag = false;
    const auto cleared = ExtractValues("a - b - c.mp3", formula, options);
    EXPECT_EQ(cleared.PreviewTag[TPreviewSlot::Artist], "");

    // the file's values fill only the slots the run left unset, even one that looks unset
    auto run = ExtractValues("_none_ - Song.mp3", ArtistTitle, NoPairs());
    TTagRecord tag;
    tag.Title = "Old Title";
    tag.Track = 7;
    FillFromTag(run.PreviewTag, tag);
    EXPECT_EQ(AllTagsLines(run.PreviewTag),
              (TTexts{"Track Nr = 7", "Title    = Song", "Artist   = _none_", "Album    = [notag]",
                      "Year     =     ", "Comment  = [notag]", "_TRASH_  = "}));
}

TEST(AllTagsLines, CutsEachSlotToItsWidth)
{
    TPreviewTag preview;
    preview[TPreviewSlot::Track] = "123";
    preview[TPreviewSlot::Title] = std::string(29, 't') + "\xC3\xA9" + "xyz";
    preview[TPreviewSlot::Year] = "19999";
    preview[TPreviewSlot::Trash] = "junk";
    EXPECT_EQ(AllTagsLines(preview),
              (TTexts{"Track Nr = 12", "Title    = " + std::string(29, 't') + "\xC3\xA9",
                      "Artist   = ", "Album    = ", "Year     = 1999",
                      "Comment  = ", "_TRASH_  = junk"}));
}

TEST(NotProcessedCorrectly, FlagsEmptyOrUnusableValues)
{
    const auto trackTitle = Formula({"", " - "}, {F::Track, F::Title});
    const std::tuple<const char*, std::string, TTagFormula, bool> cases[] = {
        {"every field filled", "01 [ A - B ] - C.mp3", DefaultFormula(), false},
        {"a missing separator", "Song.mp3", DefaultFormula(), true},
        {"an empty first field", " - Song.mp3", ArtistTitle, true},
        {"fields past the chain do not count", "Song.mp3", Formula({}, {F::Title}), false},
        {"a track that is not a number", "A1 - Song.mp3", trackTitle, true},
        {"a track with a trailing space", "7  - Song.mp3", trackTitle, true},
        {"a text as trash", "xx - Song.mp3", Formula({"", " - "}, {F::Trash, F::Title}), false},
    };
    for (const auto& [rule, text, formula, flagged] : cases) {
        const auto run = ExtractValues(text, formula, {});
        EXPECT_EQ(NotProcessedCorrectly(formula, run), flagged) << rule;
    }
}

} // namespace
