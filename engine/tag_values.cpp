#include "engine/tag_values.h"

#include "engine/ascii_text.h"
#include "engine/genre_names.h"
#include "engine/utf8.h"

namespace {

std::string_view WithoutSpacesAround(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

// A decimal number 0..255 without sign or spaces.
std::optional<std::uint8_t> ByteNumber(std::string_view text)
{
    if (text.empty()) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > 255) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint8_t>(value);
}

bool Loses(std::string_view text, std::size_t limit, const TTagCodePage& codePage)
{
    return EncodeTagTextChecked(Utf8Left(text, limit), codePage).Lossy;
}

} // namespace

std::optional<std::uint8_t> TrackFromText(std::string_view text)
{
    return ByteNumber(WithoutSpacesAround(text));
}

bool IsUnknownGenreName(std::string_view name)
{
    return EqualsIgnoringCase(name, "OTHER") || EqualsIgnoringCase(name, "UNKNOWN");
}

std::string_view GenreNameOf(std::string_view text)
{
    return text == UnknownGenreText ? std::string_view("Other") : text;
}

std::optional<std::uint8_t> GenreFromText(std::string_view text)
{
    if (const auto number = ByteNumber(text)) {
        return number;
    }
    const std::string_view name = GenreNameOf(text);
    for (std::size_t i = 0; i < GenreNames.size(); ++i) {
        if (EqualsIgnoringCase(GenreNames[i], name)) {
            return static_cast<std::uint8_t>(i);
        }
    }
    return std::nullopt;
}

bool YearFits(std::string_view text)
{
    return Utf8Length(text) <= TagYearLimit;
}

bool TagLosesCharacters(const TTagRecord& tag, const TTagCodePage& codePage)
{
    return Loses(tag.Title, TagTextLimit, codePage) || Loses(tag.Artist, TagTextLimit, codePage) ||
           Loses(tag.Album, TagTextLimit, codePage) || Loses(tag.Year, TagYearLimit, codePage) ||
           Loses(tag.Comment, TagTextLimit, codePage);
}

std::string StoredFieldText(std::string_view text, std::size_t limit, const TTagCodePage& codePage)
{
    return DecodeTagText(TrimTagText(EncodeTagText(Utf8Left(text, limit), codePage)), codePage);
}

TFileFailure UnencodableFailure(const std::string& path, const TTagCodePage& codePage)
{
    return FailureFromReason(path, TFailureReason::Unencodable,
                             std::string("not written: characters the code page ") + codePage.Name +
                                 " cannot hold");
}
