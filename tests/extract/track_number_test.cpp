#include "extract/track_number.h"

#include <gtest/gtest.h>

namespace {

struct TTrackCase
{
    const char* Text;
    std::optional<std::uint8_t> Byte;
};

TEST(TrackByte, ReadsIntegersAndKeepsTheLowByte)
{
    const TTrackCase cases[] = {
        {"07", 7},
        {"300", 44},
        {"  5", 5},
        {"+3", 3},
        {"-1", 255},
        {"$1F", 31},
        {"$ff", 255},
        {"-$10", 240},
        {"$FFFFFFFF", 255},
        {"2147483647", 255},
        {"-2147483648", 0},
        {"5 ", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"+", std::nullopt},
        {"$", std::nullopt},
        {"1a", std::nullopt},
        {"$1G", std::nullopt},
        {"0x10", std::nullopt},
        {"2147483648", std::nullopt},
        {"$100000000", std::nullopt},
        {"\t5", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TrackByte(c.Text), c.Byte) << "'" << c.Text << "'";
    }
}

} // namespace
