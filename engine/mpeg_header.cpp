#include "engine/mpeg_header.h"

#include <array>

namespace {

using TRateRow = std::array<std::int16_t, 16>;

// kbit/s by bit-rate index; index 0 (free format) and 15 (forbidden) are 0
constexpr TRateRow Mpeg1Layer1 = {0,   32,  64,  96,  128, 160, 192, 224,
                                  256, 288, 320, 352, 384, 416, 448, 0};
constexpr TRateRow Mpeg1Layer2 = {0,   32,  48,  56,  64,  80,  96,  112,
                                  128, 160, 192, 224, 256, 320, 384, 0};
constexpr TRateRow Mpeg1Layer3 = {0,   32,  40,  48,  56,  64,  80,  96,
                                  112, 128, 160, 192, 224, 256, 320, 0};
// the low sampling frequencies of MPEG-2, shared by MPEG-2.5
constexpr TRateRow LowLayer1 = {0,   32,  48,  56,  64,  80,  96,  112,
                                128, 144, 160, 176, 192, 224, 256, 0};
constexpr TRateRow LowLayer23 = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};

constexpr std::array<std::array<std::int32_t, 4>, 3> SampleRates = {{
    {44100, 48000, 32000, 0}, // MPEG-1
    {22050, 24000, 16000, 0}, // MPEG-2
    {11025, 12000, 8000, 0},  // MPEG-2.5
}};

} // namespace

std::int32_t BitRateOf(std::uint8_t version, std::uint8_t layer, unsigned index)
{
    if (version < 1 || version > 3 || layer < 1 || layer > 3 || index > 15) {
        return 0;
    }
    if (version == 1) {
        const TRateRow& row = layer == 1 ? Mpeg1Layer1 : layer == 2 ? Mpeg1Layer2 : Mpeg1Layer3;
        return row[index];
    }
    return layer == 1 ? LowLayer1[index] : LowLayer23[index];
}

std::int32_t SampleRateOf(std::uint8_t version, unsigned index)
{
    if (version < 1 || version > 3 || index > 3) {
        return 0;
    }
    return SampleRates[version - 1][index];
}

TFrameHeader DecodeFrameHeader(std::uint32_t header)
{
    TFrameHeader frame;
    if (!HasFrameSync(header)) {
        return frame;
    }
    // bits 19-20: 00 MPEG-2.5, 01 reserved, 10 MPEG-2, 11 MPEG-1
    static constexpr std::uint8_t Versions[4] = {3, 0, 2, 1};
    frame.Version = Versions[(header >> 19) & 3];
    if (frame.Version == 0) {
        return frame;
    }
    // bits 17-18: 00 reserved, 01 Layer III, 10 Layer II, 11 Layer I
    static constexpr std::uint8_t Layers[4] = {0, 3, 2, 1};
    frame.Layer = Layers[(header >> 17) & 3];
    frame.SampleRate = SampleRateOf(frame.Version, (header >> 10) & 3);
    frame.ErrorProtection = ((header >> 16) & 1) == 0; // the protection bit is 0 when a CRC follows
    frame.Copyright = ((header >> 3) & 1) != 0;
    frame.Original = ((header >> 2) & 1) != 0;
    frame.Mode = static_cast<std::uint8_t>((header >> 6) & 3);
    frame.Padding = ((header >> 9) & 1) != 0;
    frame.BitRate = BitRateOf(frame.Version, frame.Layer, (header >> 12) & 15);
    if (frame.SampleRate > 0) {
        // one formula for every version and layer, as the stream data has always been shown
        frame.FrameLength = static_cast<std::uint16_t>(144000 * frame.BitRate / frame.SampleRate +
                                                       (frame.Padding ? 1 : 0));
    }
    return frame;
}
