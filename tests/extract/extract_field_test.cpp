#include "extract/extract_field.h"

#include <gtest/gtest.h>

namespace {

struct TFieldCase
{
    const char* Rule;
    std::string Working;
    std::string Left;
    std::string Right;
    std::string Value;
    std::string WorkingAfter;
};

TEST(ExtractField, MovesTheWorkingTextOnToTheRightSeparator)
{
    const TFieldCase cases[] = {
        {"no left separator leaves the text", "01 [ A - B.mp3", "%NONE", " [ ", "01",
         "01 [ A - B.mp3"},
        {"a field between two separators", "01 [ Some Band - Best Of.mp3", " [ ", " - ",
         "Some Band", " - Best Of.mp3"},
        {"to the end after a real separator", " ] - First Light.mp3", " ] - ", "%END",
         "First Light", ".mp3"},
        {"a missing left separator leaves the text", "a - b.mp3", " [ ", " - ", "", "a - b.mp3"},
        {"a missing right separator keeps the text from the left one", "x [ a.mp3", " [ ", " - ",
         "", " [ a.mp3"},
        {"the right separator is searched behind the left one", "-a-b.mp3", "-", "-", "a",
         "-b.mp3"},
        {"overlapping separators", "aaa.mp3", "aa", "a", "", "a.mp3"},
        {"the end marker is only required to exist", " - a.mp3.wav", " - ", "%END", "a.mp3",
         ".mp3.wav"},
        {"an empty left separator never matches", "a - b.mp3", "", " - ", "", "a - b.mp3"},
        {"an empty right separator never matches", "a - b.mp3", "%NONE", "", "", "a - b.mp3"},
        {"an empty text", "", "%NONE", "%END", "", ""},
    };
    for (const auto& c : cases) {
        std::string working = c.Working;
        EXPECT_EQ(ExtractField(working, c.Left, c.Right), c.Value) << c.Rule;
        EXPECT_EQ(working, c.WorkingAfter) << c.Rule;
    }
}

} // namespace
