#pragma once

#include <cstdint>

// A frame header assembled from its fields, bit by bit. The defaults give FF FB 90 00: MPEG-1
// Layer III, no CRC, 128 kbit/s, 44100 Hz, stereo.
struct TFrameBits
{
    unsigned VersionBits = 3; // bits 19-20: 0 MPEG-2.5, 1 reserved, 2 MPEG-2, 3 MPEG-1
    unsigned LayerBits = 1;   // bits 17-18: 0 reserved, 1 Layer III, 2 Layer II, 3 Layer I
    bool Crc = false;         // bit 16 is 0 when a CRC follows
    unsigned BitRateIndex = 9;
    unsigned SampleRateIndex = 0;
    bool Padding = false;
    unsigned Mode = 0;
    bool Copyright = false;
    bool Original = false;

    std::uint32_t Header() const
    {
        return 0xFFE00000u | VersionBits << 19 | LayerBits << 17 | (Crc ? 0u : 1u) << 16 |
               BitRateIndex << 12 | SampleRateIndex << 10 | (Padding ? 1u : 0u) << 9 | Mode << 6 |
               (Copyright ? 1u : 0u) << 3 | (Original ? 1u : 0u) << 2;
    }
};

// The header bits of a version, layer, bit-rate index and sample-rate index; the rest default.
inline TFrameBits Bits(unsigned version, unsigned layer, unsigned bitRate, unsigned sampleRate)
{
    TFrameBits bits;
    bits.VersionBits = version;
    bits.LayerBits = layer;
    bits.BitRateIndex = bitRate;
    bits.SampleRateIndex = sampleRate;
    return bits;
}

inline TFrameBits Padded(TFrameBits bits)
{
    bits.Padding = true;
    return bits;
}
