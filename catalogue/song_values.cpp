#include "catalogue/song_values.h"

#include "engine/path_parts.h"
#include "engine/utf8.h"

namespace {

std::string TwoDigits(std::uint32_t value)
{
    std::string digits = std::to_string(value);
    return digits.size() < 2 ? "0" + digits : digits;
}

} // namespace

std::string FormatSongNumber(std::size_t index)
{
    std::string number = std::to_string(index);
    if (number.size() < 5) {
        number.insert(0, 5 - number.size(), '0');
    }
    return number;
}

std::string FileNameNoExt(std::string_view path)
{
    const std::string name = NamePart(path);
    const std::size_t length = Utf8Length(name);
    return length <= 4 ? std::string() : Utf8Left(name, length - 4);
}

std::string FormatSongDuration(std::uint32_t seconds)
{
    return TwoDigits(seconds / 3600) + " : " + TwoDigits(seconds % 3600 / 60) + " . " +
           TwoDigits(seconds % 60);
}
