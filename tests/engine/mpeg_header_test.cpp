#include "engine/mpeg_header.h"
#include "frame_bits.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(MpegHeader, DecodesStreamFacts)
{
    const std::tuple<const char*, std::uint32_t, int, int, int, int, int, bool> cases[] = {
        {"MPEG-1 Layer III at 128 kbit/s", 0xFFFB9000u, 1, 3, 44100, 128, 417, true},
        {"padding adds a byte", Padded(Bits(3, 1, 9, 0)).Header(), 1, 3, 44100, 128, 418, true},
        {"MPEG-2 uses the same formula, no factor 72000", Bits(2, 1, 8, 0).Header(), 2, 3, 22050,
         64, 417, true},
        {"MPEG-2.5 Layer III at 8 kbit/s", Bits(0, 1, 1, 2).Header(), 3, 3, 8000, 8, 144, true},
        {"Layer I uses the same formula", Bits(3, 3, 14, 2).Header(), 1, 1, 32000, 448, 2016, true},
        {"MPEG-1 Layer II", Bits(3, 2, 14, 1).Header(), 1, 2, 48000, 384, 1152, true},
        {"MPEG-2 Layer I", Bits(2, 3, 14, 1).Header(), 2, 1, 24000, 256, 1536, true},
        {"bit-rate index 0 (free format) is not accepted", Bits(3, 1, 0, 0).Header(), 1, 3, 44100,
         0, 0, false},
        {"bit-rate index 15 is not accepted", Bits(3, 1, 15, 0).Header(), 1, 3, 44100, 0, 0, false},
        {"sample-rate index 3 is not accepted", Bits(3, 1, 9, 3).Header(), 1, 3, 0, 128, 0, false},
        {"layer bits 00 are not accepted", Bits(3, 0, 9, 0).Header(), 1, 0, 44100, 0, 0, false},
        {"version bits 01 stop the decoding", Bits(1, 1, 9, 0).Header(), 0, 0, 0, 0, 0, false},
        {"ten sync bits are not enough", 0xFFDB9000u, 0, 0, 0, 0, 0, false},
    };
    for (const auto& [rule, bits, version, layer, sampleRate, bitRate, frameLength, complete] :
         cases) {
        const TFrameHeader h = DecodeFrameHeader(bits);
        EXPECT_EQ(
            std::tuple(h.Version, h.Layer, h.SampleRate, h.BitRate, h.FrameLength, h.IsComplete()),
            std::tuple(version, layer, sampleRate, bitRate, frameLength, complete))
            << rule;
    }
}

TEST(MpegHeader, DecodesFlagsAndMode)
{
    TFrameBits bits;
    bits.Crc = bits.Copyright = true;
    bits.Mode = 3;
    const TFrameHeader withCrc = DecodeFrameHeader(bits.Header());
    EXPECT_EQ(
        std::tuple(withCrc.ErrorProtection, withCrc.Copyright, withCrc.Original, withCrc.Mode),
        std::tuple(true, true, false, 3));
    bits = TFrameBits();
    bits.Mode = 1;
    bits.Original = true;
    const TFrameHeader plain = DecodeFrameHeader(bits.Header() | 0x33u); // emphasis and bit 4
    EXPECT_EQ(std::tuple(plain.ErrorProtection, plain.Copyright, plain.Original, plain.Mode),
              std::tuple(false, false, true, 1));
}

TEST(MpegHeader, BitRateTables)
{
    const std::tuple<int, int, unsigned, int> cases[] = {
        {1, 3, 14, 320}, {2, 2, 1, 8}, {3, 3, 14, 160}, {1, 3, 0, 0},  {2, 3, 15, 0},
        {0, 3, 9, 0},    {1, 0, 9, 0}, {4, 3, 9, 0},    {1, 3, 16, 0},
    };
    for (const auto& [version, layer, index, bitRate] : cases) {
        EXPECT_EQ(
            BitRateOf(static_cast<std::uint8_t>(version), static_cast<std::uint8_t>(layer), index),
            bitRate)
            << "version " << version << " layer " << layer << " index " << index;
    }
    EXPECT_EQ(SampleRateOf(3, 1), 12000);
    EXPECT_EQ(SampleRateOf(2, 3), 0);
    EXPECT_EQ(SampleRateOf(0, 0), 0);
}

} // namespace
