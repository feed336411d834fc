#include "extract/extract_values.h"

#include <gtest/gtest.h>

namespace {

using F = TTagField;

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

const TTagFormula ArtistTitle = Formula({"", " - "}, {F::Artist, F::Title});
const TTagFormula SixFields = Formula({"<", "|", "|", "|", "|", "|"});

struct TRunCase
{
    const char* Rule;
    std::string Text;
    TTagFormula Formula;
    std::vector<std::string> Values; // one per extracted field
    TExtractOptions Options = {};
};

TEST(ExtractValues, FollowsTheFormulaToTheCharacter)
{
    const TRunCase cases[] = {
        {"the default formula",
         "01 [ Some Band - Best Of ] - First Light.mp3",
         DefaultFormula(),
         {"01", "Some Band", "Best Of", "First Light"}},
        {"the starting pair turns _ into a space",
         "Band_Name - Song_Title.mp3",
         ArtistTitle,
         {"Band Name", "Song Title"}},
        {"a path cut at its folders, trimmed and capitalized",
         "Music/The Band/Live 1999/03 - on_the_road .mp3",
         Formula({"", "/", "/", "/", " - ", ""},
                 {F::Trash, F::Artist, F::Album, F::Track, F::Title}),
         {"Music", "The Band", "Live 1999", "03", "On The Road"},
         Trimmed(TCaseMode::cmCapitalize)},
        {"a missing separator empties both of its fields",
         "Song Without Dash.mp3",
         ArtistTitle,
         {"", ""}},
        {"the end marker is searched case-sensitively",
         "Band - Song.MP3",
         ArtistTitle,
         {"Band", ""}},
        {"an empty text gives an empty value per field", "", DefaultFormula(), {"", "", "", ""}},
        {"all separators empty take the text before the first .mp",
         "Song.mp3",
         Formula({}, {F::Title}),
         {"Song"}},
        {"six filled separators give six fields",
         "<a|b|c|d|e|f.mp3",
         SixFields,
         {"a", "b", "c", "d", "e", "f"}},
        {"the sixth field runs to the fourth-last character",
         "<a|b|c|d|e|f.mpeg",
         SixFields,
         {"a", "b", "c", "d", "e", "f."}},
        {"a typed %END ends the chain as an empty box does",
         "a - b x c.mp3",
         Formula({"", " - ", "%END", " x "}, {F::Artist, F::Title}),
         {"a", "b x c"}},
        {"equal separators in a row",
         "a - b - c.mp3",
         Formula({"", " - ", " - "}, {F::Artist, F::Album, F::Title}),
         {"a", "b", "c"}},
        {"a typed %NONE in the first box is the empty box",
         "a - b.mp3",
         Formula({"%NONE", " - "}, {F::Artist, F::Title}),
         {"a", "b"}},
        {"%NONE as a right separator is plain text, as a left one the start",
         "x%NONEy.mp3",
         Formula({"", "%NONE"}, {F::Artist, F::Title}),
         {"x", "x%NONEy"}},
        {"%END as a first separator is plain text",
         "a%ENDb.mp3",
         Formula({"%END"}, {F::Title}),
         {"b"}},
        {"%NONE to the end stops at the first .mp anywhere",
         "a.mp3 b.mp3",
         Formula({}, {F::Title}),
         {"a"}},
        {"a three-character extension still loses four", "A - Song.mp", ArtistTitle, {"A", "Son"}},
        {"the extension is counted in characters",
         "A - Song.mp\xC3\xA4"
         "3",
         ArtistTitle,
         {"A", "Song."}},
        {"a separator is found first earlier in the path",
         "music/a - b/01 - Song.mp3",
         ArtistTitle,
         {"music/a", "b/01 - Song"}},
        {"a left separator that does not occur leaves the next field to start over",
         "a - b.mp3",
         Formula({"", " [ ", " - "}, {F::Track, F::Artist, F::Title}),
         {"", "", "b"}},
        {"trimming removes control characters too",
         "\t x \t - y.mp3",
         ArtistTitle,
         {"X", "Y"},
         Trimmed(TCaseMode::cmUpper)},
    };
    for (const auto& c : cases) {
        const auto run = ExtractValues(c.Text, c.Formula, c.Options);
        ASSERT_EQ(run.FieldCount, static_cast<int>(c.Values.size())) << c.Rule;
        for (std::size_t k = 0; k < run.Values.size(); ++k) {
            EXPECT_EQ(run.Values[k], k < c.Values.size() ? c.Values[k] : "") << c.Rule << " " << k;
        }
    }
}

TEST(ExtractValues, ListsOneLinePerField)
{
    const auto run =
        ExtractValues("01 [ Some Band - Best Of ] - First Light.mp3", DefaultFormula(), {});
    const std::vector<std::string> lines = {"Track    =01", "Artist   =Some Band",
                                            "Album    =Best Of", "Title    =First Light"};
    EXPECT_EQ(run.ExtractedLines, lines);

    const auto empty = ExtractValues("", Formula({"", " - "}, {F::Trash, F::Comment}), {});
    const std::vector<std::string> emptyLines = {"_TRASH   =", "Comment  ="};
    EXPECT_EQ(empty.ExtractedLines, emptyLines);
}

TEST(ExtractValues, FillsThePreviewSlots)
{
    const auto formula = Formula({"", " - ", " - "}, {F::Title, F::Trash, F::Title});
    TExtractOptions options;
    const auto preserved = ExtractValues("a - b - c.mp3", formula, options);
    EXPECT_EQ(preserved.PreviewTag[TPreviewSlot::Title], "c") << "a later field wins";
    EXPECT_EQ(preserved.PreviewTag[TPreviewSlot::Trash], "b");
    EXPECT_EQ(preserved.PreviewTag[TPreviewSlot::Artist], "_none_");
    EXPECT_EQ(preserved.PreviewTag[TPreviewSlot::Track], "_none_");

    options.PreserveOtherTag = false;
    const auto cleared = ExtractValues("a - b - c.mp3", formula, options);
    EXPECT_EQ(cleared.PreviewTag[TPreviewSlot::Artist], "");
    EXPECT_EQ(cleared.PreviewTag[TPreviewSlot::Title], "c");
}

TEST(ExtractValues, OnlyTheSelectedPairsApply)
{
    TExtractOptions options;
    options.ReplacePairs.Selected = -1;
    const auto run = ExtractValues("Band_Name - Song_Title.mp3", ArtistTitle, options);
    EXPECT_EQ(run.Values[0], "Band_Name");
    EXPECT_EQ(run.Values[1], "Song_Title");
}

} // namespace
