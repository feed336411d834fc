#include "engine/tag_values.h"

#include <gtest/gtest.h>
#include <optional>
#include <tuple>

namespace {

TEST(TagValues, TypedValuesTheTagCanHold)
{
    using TByte = std::optional<std::uint8_t>;
    const std::tuple<const char*, std::string, TByte> tracks[] = {
        {"the highest track", "255", 255},
        {"spaces around", " 7 ", 7},
        {"one byte only", "256", {}},
        {"300 would wrap to 44", "300", {}},
        {"no sign", "-1", {}},
        {"no letters", "7a", {}},
        {"blank is no number", " ", {}},
        {"a huge number", "99999999999", {}},
    };
    for (const auto& [rule, text, track] : tracks) {
        EXPECT_EQ(TrackFromText(text), track) << rule;
    }
    const std::tuple<const char*, std::string, TByte> genres[] = {
        {"a name", "Rock", 17},
        {"any case", "hIP-hOP", 7},
        {"a number", "255", 255},
        {"a name beyond the standard list", "psybient", 191},
        {"<unknown> stands for Other", "<unknown>", 12},
        {"no such name", "NoSuchName", {}},
        {"a number beyond a byte", "256", {}},
        {"empty", "", {}},
    };
    for (const auto& [rule, text, genre] : genres) {
        EXPECT_EQ(GenreFromText(text), genre) << rule;
    }
    EXPECT_TRUE(YearFits("1999"));
    EXPECT_TRUE(YearFits("\xC3\xA9t\xC3\xA9!")); // four characters, six bytes
    EXPECT_FALSE(YearFits("19999"));
}

TEST(TagValues, StoredTextsAndTheirLosses)
{
    const TTagCodePage cyrillic{"WINDOWS-1251", ""};
    const std::string eternal = "\xD0\x92\xD0\xB5\xD1\x87"; // three Cyrillic letters
    const std::tuple<const char*, std::string, const TTagCodePage*, std::string, bool> cases[] = {
        {"Cyrillic in Windows-1252", eternal, &DefaultTagCodePage, "???", true},
        {"Cyrillic in Windows-1251", eternal, &cyrillic, eternal, false},
        {"trailing spaces do not stay", "Song  ", &DefaultTagCodePage, "Song", false},
        {"cut to the field", std::string(31, 'x'), &DefaultTagCodePage, std::string(30, 'x'),
         false},
        {"a loss beyond the field is none", std::string(30, 'x') + eternal, &DefaultTagCodePage,
         std::string(30, 'x'), false},
    };
    for (const auto& [rule, text, page, stored, lossy] : cases) {
        EXPECT_EQ(StoredFieldText(text, TagTextLimit, *page), stored) << rule;
        TTagRecord tag;
        tag.Comment = text;
        EXPECT_EQ(TagLosesCharacters(tag, *page), lossy) << rule;
    }
    TTagRecord year;
    year.Year = "20" + eternal;
    EXPECT_TRUE(TagLosesCharacters(year, DefaultTagCodePage));
    EXPECT_EQ(UnencodableFailure("a.mp3", cyrillic).Reason, TFailureReason::Unencodable);
}

} // namespace
