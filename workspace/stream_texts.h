#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The texts of the stream-data panels. Each value is followed by two spaces, because the panels
// align right and the text must not touch the frame.

// "hh : nn . ss", two digits each.
std::string DurationText(int hours, int minutes, int seconds);

// "500 Bytes", "4.90 Kb" (the part after the point is not padded), "3.2 Mb"; nothing from
// 1 GiB on, where the panel keeps what it showed.
std::optional<std::string> FileSizeText(std::int64_t length);

// "MPEG  1  Layer  3  ".
std::string VersionText(int version, int layer);

std::string ModeText(std::string_view modeName);
std::string BitRateText(std::int32_t bitRate);
std::string PlainNumberText(std::int64_t value);
