#include "engine/genre_names.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(GenreNames, FollowsTheListPlayersShare)
{
    const std::tuple<int, std::string_view> cases[] = {
        {0, "Blues"},      {137, "Heavy Metal"}, {148, "Abstract"},
        {191, "Psybient"}, {192, "<unknown>"},   {255, "<unknown>"},
    };
    for (const auto& [index, name] : cases) {
        EXPECT_EQ(GenreName(static_cast<std::uint8_t>(index)), name) << index;
    }
}

} // namespace
