#include "extract/extract_values.h"
#include "extract/tag_formula.h"

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

// Artist, then title.
TTagFormula Pair(const std::string& left, const std::string& right)
{
    return Formula({left, right}, {F::Artist, F::Title});
}

const TTagFormula ArtistTitle = Pair("", " - ");
const TTagFormula SixFields = Formula({"<", "|", "|", "|", "|", "|"});

TEST(ExtractValues, FollowsTheFormulaToTheCharacter)
{
    const auto path = Formula({"", "/", "/", "/", " - ", ""},
                              {F::Trash, F::Artist, F::Album, F::Track, F::Title});
    const auto endTyped = Formula({"", " - ", "%END", " x "}, {F::Artist, F::Title});
    const auto trackArtistTitle = Formula({"", " [ ", " - "}, {F::Track, F::Artist, F::Title});
    const auto none = Pair("%NONE", "%NONE");
    const TExtractOptions capitalized{
        .ReplacePairs = {}, .AutoTrimSpaces = true, .CaseMode = TCaseMode::cmCapitalize};
    const std::string defaultText = "01 [ Band - Album ] - Song.mp3";
    // rule, text, formula, the extracted fields joined by "|", options
    using TCase = std::tuple<const char*, std::string, TTagFormula, std::string, TExtractOptions>;
    const TCase cases[] = {
        {"the default formula", defaultText, DefaultFormula(), "01|Band|Album|Song", {}},
        {"the starting pair turns _ into a space", "A_B - C_D.mp3", ArtistTitle, "A B|C D", {}},
        {"a path cut at its folders, trimmed and capitalized",
         "Music/The Band/Live 1999/03 - on_the_road .mp3", path,
         "Music|The Band|Live 1999|03|On The Road", capitalized},
        {"a missing separator empties both of its fields", "Song.mp3", ArtistTitle, "|", {}},
        {"the end marker is case-sensitive", "A - S.MP3", ArtistTitle, "A|", {}},
        {"an empty text gives an empty value per field", "", DefaultFormula(), "|||", {}},
        {"the sixth field ends 4 early", "<a|b|c|d|e|f.mpeg", SixFields, "a|b|c|d|e|f.", {}},
        {"a typed %END ends the chain", "a - b x c.mp3", endTyped, "a|b x c", {}},
        {"%NONE: text on the right, the start on the left", "x%NONEy.mp3", none, "x|x%NONEy", {}},
        {"%END as a first separator is plain text", "a%ENDb.mp3", Formula({"%END"}), "b", {}},
        {"%NONE to the end stops at the first .mp", "a.mp3 b.mp3", Formula({}), "a", {}},
        {"the end marker must only exist", "x - a.mp3.wav", ArtistTitle, "x|a.mp3", {}},
        {"a three-character extension loses four", "A - Song.mp", ArtistTitle, "A|Son", {}},
        {"the extension counts characters", "A - Song.mp\xC3\xA4\x33", ArtistTitle, "A|Song.", {}},
        {"the right separator is searched behind the left", "-a-b.mp3", Pair("-", "-"), "a|b", {}},
        {"overlapping separators", "aaa.mp3", Pair("aa", "a"), "|", {}},
        {"left separator missing: the next starts over", "a - b.mp3", trackArtistTitle, "||b", {}},
        {"trimming removes control characters too",
         "\t x \t - y.mp3",
         ArtistTitle,
         "X|Y",
         {.ReplacePairs = {}, .AutoTrimSpaces = true, .CaseMode = TCaseMode::cmUpper}},
    };
    for (const auto& [rule, text, formula, values, options] : cases) {
        const auto run = ExtractValues(text, formula, options);
        std::string joined;
        for (std::size_t k = 0; k < run.Values.size(); ++k) {
            const bool extracted = static_cast<int>(k) < run.FieldCount;
            joined += extracted ? (k > 0 ? "|" : "") + run.Values[k] : "";
            EXPECT_TRUE(extracted || run.Values[k].empty()) << rule << " " << k;
        }
        EXPECT_EQ(joined, values) << rule;
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
    auto run = ExtractValues("_none_ - Song.mp3", ArtistTitle, {.ReplacePairs = {.Selected = -1}});
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
    preview[TPreviewSlot::Artist] = std::string(31, 'a');
    preview[TPreviewSlot::Album] = std::string(31, 'l');
    preview[TPreviewSlot::Year] = "19999";
    preview[TPreviewSlot::Comment] = std::string(31, 'c');
    preview[TPreviewSlot::Trash] = std::string(31, 'j');
    EXPECT_EQ(AllTagsLines(preview),
              (TTexts{"Track Nr = 12", "Title    = " + std::string(29, 't') + "\xC3\xA9",
                      "Artist   = " + std::string(30, 'a'), "Album    = " + std::string(30, 'l'),
                      "Year     = 1999", "Comment  = " + std::string(30, 'c'),
                      "_TRASH_  = " + std::string(30, 'j')}));
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

TEST(FormulaText, ListsFilledSeparatorsOnly)
{
    struct
    {
        const char* Rule;
        TTagFormula Formula;
        std::string Text;
    } const cases[] = {
        {"the default formula", DefaultFormula(), "Track [ Artist - Album ] - Title"},
        {"a gap in the boxes still lists the later field",
         {{"", " - ", "", " x "}, {F::Artist, F::Title, F::Album, F::Year}},
         "Artist - Title x Year"},
        {"markers are shown as typed",
         {{"%NONE", "%END", " - "}, {F::Title, F::Artist, F::Trash}},
         "%NONETitle%ENDArtist - _TRASH"},
        {"an index without a name adds nothing",
         {{"<", ">"}, {static_cast<F>(9), F::Title}},
         "<>Title"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormulaText(c.Formula), c.Text) << c.Rule;
    }
    EXPECT_EQ(ChainText(DefaultFormula(), 9), "Track [ Artist - Album ] - TitleYearComment");
    EXPECT_EQ(ChainText(DefaultFormula(), -1), "");
}

} // namespace
