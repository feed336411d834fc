#include "extract/extraction_text.h"
#include "extract/tag_formula.h"

#include <gtest/gtest.h>

namespace {

TEST(FormulaText, ListsFilledSeparatorsOnly)
{
    using F = TTagField;
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
}

TEST(ChainText, JoinsTheFirstFields)
{
    const auto formula = DefaultFormula();
    EXPECT_EQ(ChainText(formula, 0), "");
    EXPECT_EQ(ChainText(formula, 2), "Track [ Artist");
    EXPECT_EQ(ChainText(formula, 6), "Track [ Artist - Album ] - TitleYearComment");
    EXPECT_EQ(ChainText(formula, 9), ChainText(formula, 6));
}

TEST(ExtractionText, KeepsThePathWithoutItsRootOrTheNameAlone)
{
    EXPECT_EQ(ExtractionText("/home/ann/Music/a.mp3", true), "home/ann/Music/a.mp3");
    EXPECT_EQ(ExtractionText("/home/ann/Music/a.mp3", false), "a.mp3");
    EXPECT_EQ(ExtractionText("/home/ann/C:01 - b.mp3", false), "C:01 - b.mp3");
}

} // namespace
