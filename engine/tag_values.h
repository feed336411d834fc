#pragma once

#include "engine/code_page.h"
#include "engine/file_failure.h"
#include "engine/tag_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What a typed value gives the tag, and whether the tag can hold it as typed. The command line
// refuses a value these rules reject instead of storing something else.

// A track typed as a decimal number 0..255, spaces around it allowed; nothing for any other text
// (a blank one included), since the tag holds one byte.
std::optional<std::uint8_t> TrackFromText(std::string_view text);

// The text that stands for the genres without a name of their own: it is shown for "Other",
// "Unknown" and every number no genre has, and typed it means "Other".
inline constexpr std::string_view UnknownGenreText = "<unknown>";

// True for the genre names UnknownGenreText is shown for: "Other" and "Unknown", in any case.
bool IsUnknownGenreName(std::string_view name);

// The genre name a typed genre text means: "Other" for UnknownGenreText, else the text itself.
std::string_view GenreNameOf(std::string_view text);

// A genre typed as its number 0..255 or its name in any case; UnknownGenreText stands for
// "Other". Nothing for any other text.
std::optional<std::uint8_t> GenreFromText(std::string_view text);

// True when the year has at most four characters, all that the tag holds.
bool YearFits(std::string_view text);

// True when some text of the tag, as far as its field holds it, has a character the code page
// lacks: it would be written as "?".
bool TagLosesCharacters(const TTagRecord& tag, const TTagCodePage& codePage);

// A text as its field will hold it once written and read back: cut to `limit` characters, a
// character the code page lacks as "?", without trailing spaces.
std::string StoredFieldText(std::string_view text, std::size_t limit, const TTagCodePage& codePage);

// The refusal of a file whose new tag has characters the code page cannot hold (Unencodable).
TFileFailure UnencodableFailure(const std::string& path, const TTagCodePage& codePage);
