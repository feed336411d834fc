#include "engine/genre_names.h"

#include <gtest/gtest.h>

namespace {

TEST(GenreNames, FollowsTheListPlayersShare)
{
    const struct
    {
        int Index;
        std::string_view Name;
    } cases[] = {
        {0, "Blues"},      {137, "Heavy Metal"}, {148, "Abstract"},
        {191, "Psybient"}, {192, "<unknown>"},   {255, "<unknown>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GenreName(static_cast<std::uint8_t>(c.Index)), c.Name) << c.Index;
    }
}

TEST(GenreNames, HasEveryEntryFilledAndDistinct)
{
    ASSERT_EQ(GenreNames.size(), 192u);
    for (std::size_t i = 0; i < GenreNames.size(); ++i) {
        EXPECT_FALSE(GenreNames[i].empty()) << i;
        for (std::size_t j = i + 1; j < GenreNames.size(); ++j) {
            EXPECT_NE(GenreNames[i], GenreNames[j]) << i << " and " << j;
        }
    }
}

} // namespace
