#pragma once

#include <cstdint>

// The stream facts of one MPEG audio frame header.
struct TFrameHeader
{
    std::uint8_t Version = 0; // 0 unknown, 1 MPEG-1, 2 MPEG-2, 3 MPEG-2.5
    std::uint8_t Layer = 0;   // 0 unknown, 1..3 Layer I..III
    std::int32_t SampleRate = 0;
    std::int32_t BitRate = 0;
    std::uint8_t Mode = 0;
    bool Copyright = false;
    bool Original = false;
    bool ErrorProtection = false;
    bool Padding = false;
    std::uint16_t FrameLength = 0;

    // Version, layer, bit rate and sample rate all known: a header the search can accept.
    bool IsComplete() const { return Version != 0 && Layer != 0 && BitRate > 0 && SampleRate > 0; }
};

// True when the eleven sync bits at the top are all set.
inline bool HasFrameSync(std::uint32_t header)
{
    return (header & 0xFFE00000u) == 0xFFE00000u;
}

// Decodes a header whose most significant byte comes first in the file; all fields zero without
// the sync bits or with the reserved version bits. FrameLength is
// 144000 * BitRate / SampleRate (+1 with padding) for every version and layer.
TFrameHeader DecodeFrameHeader(std::uint32_t header);

// The bit rate in kbit/s of a version (1..3), layer (1..3) and header index (0..15); 0 for the
// free-format index 0, the bad index 15 and unknown versions or layers.
std::int32_t BitRateOf(std::uint8_t version, std::uint8_t layer, unsigned index);

// The sample rate in Hz of a version (1..3) and header index (0..3); 0 for index 3.
std::int32_t SampleRateOf(std::uint8_t version, unsigned index);
