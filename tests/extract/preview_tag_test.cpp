#include "extract/completeness_check.h"
#include "extract/preview_tag.h"

#include <gtest/gtest.h>

namespace {

using F = TTagField;

TEST(AllTagsLines, CutsEachSlotToItsWidth)
{
    TPreviewTag preview;
    preview[TPreviewSlot::Track] = "123";
    preview[TPreviewSlot::Title] = std::string(29, 't') + "\xC3\xA9" + "xyz";
    preview[TPreviewSlot::Year] = "19999";
    preview[TPreviewSlot::Trash] = "junk";
    const std::vector<std::string> lines = {
        "Track Nr = 12",   "Title    = " + std::string(29, 't') + "\xC3\xA9",
        "Artist   = ",     "Album    = ",
        "Year     = 1999", "Comment  = ",
        "_TRASH_  = junk",
    };
    EXPECT_EQ(AllTagsLines(preview), lines);
}

TEST(FillFromTag, KeepsExtractedValues)
{
    const auto formula = TTagFormula{{"", " - "}, {F::Artist, F::Title}};
    auto run = ExtractValues("Band - Song.mp3", formula, {});
    TTagRecord tag;
    tag.Album = "Old Album";
    tag.Title = "Old Title";
    tag.Track = 7;
    FillFromTag(run.PreviewTag, tag);
    EXPECT_EQ(run.PreviewTag[TPreviewSlot::Artist], "Band");
    EXPECT_EQ(run.PreviewTag[TPreviewSlot::Title], "Song");
    EXPECT_EQ(run.PreviewTag[TPreviewSlot::Album], "Old Album");
    EXPECT_EQ(run.PreviewTag[TPreviewSlot::Track], "7");
    EXPECT_EQ(run.PreviewTag[TPreviewSlot::Year], "    ");
    EXPECT_EQ(run.PreviewTag[TPreviewSlot::Comment], "[notag]");
    EXPECT_EQ(run.PreviewTag[TPreviewSlot::Trash], "");
}

TEST(FillFromTag, AnExtractedValueThatLooksLikeTheMarkerStays)
{
    TExtractOptions options;
    options.ReplacePairs.Selected = -1;
    auto run = ExtractValues("_none_.mp3", TTagFormula{{}, {F::Title}}, options);
    FillFromTag(run.PreviewTag, TTagRecord{});
    EXPECT_EQ(run.PreviewTag[TPreviewSlot::Title], "_none_");
}

TEST(NotProcessedCorrectly, FlagsEmptyOrUnusableValues)
{
    const auto trackTitle = TTagFormula{{"", " - "}, {F::Track, F::Title}};
    const auto artistTitle = TTagFormula{{"", " - "}, {F::Artist, F::Title}};
    struct
    {
        const char* Rule;
        std::string Text;
        TTagFormula Formula;
        bool Flagged;
    } const cases[] = {
        {"every field filled", "01 [ A - B ] - C.mp3", DefaultFormula(), false},
        {"a missing separator", "Song.mp3", DefaultFormula(), true},
        {"an empty last field", "Band - Song.MP3", artistTitle, true},
        {"an empty first field", " - Song.mp3", artistTitle, true},
        {"fields past the chain do not count", "Song.mp3", TTagFormula{{}, {F::Title}}, false},
        {"a number as track", "07 - Song.mp3", trackTitle, false},
        {"a track that is not a number", "A1 - Song.mp3", trackTitle, true},
        {"a track with a trailing space", "7  - Song.mp3", trackTitle, true},
        {"a text as trash", "xx - Song.mp3", TTagFormula{{"", " - "}, {F::Trash, F::Title}}, false},
    };
    for (const auto& c : cases) {
        const auto run = ExtractValues(c.Text, c.Formula, {});
        EXPECT_EQ(NotProcessedCorrectly(c.Formula, run), c.Flagged) << c.Rule;
    }
}

} // namespace
