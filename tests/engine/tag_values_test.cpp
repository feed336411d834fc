#include "engine/tag_values.h"

#include <gtest/gtest.h>
#include <optional>
#include <tuple>

namespace {

TEST(TagValues, TypedValuesTheTagCanHold)
{
    using TByte = std::optional<std::uint8_t>;
    // rule, text, as a track, as a genre
    const std::tuple<const char*, std::string, TByte, TByte> cases[] = {
        {"the highest byte", "255", 255, 255},
        {"one byte only: 300 would wrap to 44", "300", {}, {}},
        {"spaces around a track", " 7 ", 7, {}},
        {"a genre name in any case", "hIP-hOP", {}, 7},
        {"a genre beyond the standard list", "psybient", {}, 191},
        {"<unknown> stands for Other", "<unknown>", {}, 12},
        {"blank is nothing", " ", {}, {}},
    };
    for (const auto& [rule, text, track, genre] : cases) {
        EXPECT_EQ(TrackFromText(text), track) << rule;
        EXPECT_EQ(GenreFromText(text), genre) << rule;
    }
    EXPECT_TRUE(YearFits("\xC3\xA9t\xC3\xA9!")); // four characters, six bytes
    TTagRecord tag;
    tag.Comment = std::string(30, 'x') + "\xD0\x92"; // a loss beyond the field is none
    EXPECT_FALSE(TagLosesCharacters(tag, DefaultTagCodePage));
}

} // namespace
