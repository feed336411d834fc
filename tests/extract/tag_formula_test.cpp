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
    EXPECT_EQ(ChainText(DefaultFormula(), 9), "Track [ Artist - Album ] - TitleYearComment");
    EXPECT_EQ(ChainText(DefaultFormula(), -1), "");
}

} // namespace
