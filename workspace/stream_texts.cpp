#include "workspace/stream_texts.h"

#include <cstdio>

namespace {

constexpr const char* Pad = "  ";

std::string TwoDigits(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

} // namespace

std::string DurationText(int hours, int minutes, int seconds)
{
    return TwoDigits(hours) + " : " + TwoDigits(minutes) + " . " + TwoDigits(seconds);
}

std::optional<std::string> FileSizeText(std::int64_t length)
{
    constexpr std::int64_t Kb = 1024;
    constexpr std::int64_t Mb = 1024 * 1024;
    constexpr std::int64_t Gb = 1024 * 1024 * 1024;
    if (length < Kb) {
        return std::to_string(length) + " Bytes" + Pad;
    }
    if (length < Mb) {
        return std::to_string(length / Kb) + "." + std::to_string(length % Kb / 10) + " Kb" + Pad;
    }
    if (length < Gb) {
        return std::to_string(length / Mb) + "." + std::to_string(length % Mb / 10240) + " Mb" +
               Pad;
    }
    return std::nullopt;
}

std::string VersionText(int version, int layer)
{
    return "MPEG  " + std::to_string(version) + "  Layer  " + std::to_string(layer) + Pad;
}

std::string ModeText(std::string_view modeName)
{
    return std::string(modeName) + Pad;
}

std::string BitRateText(std::int32_t bitRate)
{
    return std::to_string(bitRate) + " KBit/s" + Pad;
}

std::string PlainNumberText(std::int64_t value)
{
    return std::to_string(value) + Pad;
}
