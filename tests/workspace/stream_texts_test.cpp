#include "workspace/stream_texts.h"

#include <gtest/gtest.h>

namespace {

struct TSizeCase
{
    const char* Rule;
    std::int64_t Length;
    std::optional<std::string> Expected;
};

TEST(StreamTexts, FileSizeByRange)
{
    const TSizeCase cases[] = {
        {"empty file", 0, "0 Bytes  "},
        {"below a kilobyte", 500, "500 Bytes  "},
        {"last byte count", 1023, "1023 Bytes  "},
        {"one kilobyte", 1024, "1.0 Kb  "},
        {"fraction is not padded", 1050, "1.2 Kb  "},
        {"two-digit fraction", 5000, "4.90 Kb  "},
        {"last kilobyte count", 1048575, "1023.102 Kb  "},
        {"one megabyte", 1048576, "1.0 Mb  "},
        {"megabytes with fraction", 3 * 1048576 + 524288, "3.51 Mb  "},
        {"last megabyte count", 1073741823, "1023.102 Mb  "},
        {"a gigabyte keeps the old text", 1073741824, std::nullopt},
        {"beyond 32 bits too", 5'000'000'000, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileSizeText(c.Length), c.Expected) << c.Rule;
    }
}

TEST(StreamTexts, PanelsEndInTwoSpaces)
{
    EXPECT_EQ(DurationText(0, 3, 7), "00 : 03 . 07");
    EXPECT_EQ(DurationText(18, 12, 15), "18 : 12 . 15");
    EXPECT_EQ(VersionText(1, 3), "MPEG  1  Layer  3  ");
    EXPECT_EQ(ModeText("Joint-Stereo"), "Joint-Stereo  ");
    EXPECT_EQ(BitRateText(128), "128 KBit/s  ");
    EXPECT_EQ(PlainNumberText(44100), "44100  ");
}

} // namespace
