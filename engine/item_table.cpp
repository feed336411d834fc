#include "engine/item_table.h"

#include "engine/code_page.h"
#include "engine/number_format.h"
#include "engine/path_parts.h"
#include "engine/tag_record.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace {

using TValueFn = std::string (*)(const TMPEGAudio&, const TRegionalSettings&);

struct TItemRow
{
    std::string_view LongId;
    std::string_view ShortId;
    std::size_t DefaultLength;
    TItemAlignment DefaultAlignment;
    TValueFn Value;
};

constexpr auto L = TItemAlignment::Left;
constexpr auto R = TItemAlignment::Right;

std::string YesNo(bool flag)
{
    return flag ? "Yes" : "No";
}

std::string Star(bool flag)
{
    return flag ? "*" : " ";
}

std::string Decimal(std::int64_t value)
{
    return std::to_string(value);
}

const TItemRow ItemRows[] = {
    {"NEWLINE", "NL", 2, L,
     [](const TMPEGAudio&, const TRegionalSettings&) -> std::string { return "\r\n"; }},
    {"SOFTNEWLINE", "#", 0, L,
     [](const TMPEGAudio&, const TRegionalSettings&) -> std::string { return ""; }},
    {"TAB", "TB", 1, L,
     [](const TMPEGAudio&, const TRegionalSettings&) -> std::string { return "\t"; }},
    {"FILENAME", "FN", 40, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return NamePart(a.FileName); }},
    {"FILEPATH", "FP", 40, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return FolderPart(a.FileName); }},
    {"VOLUMELABEL", "VL", 11, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return a.VolumeLabel; }},
    {"TITLE", "T", 30, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return TrimmedText(a.Title); }},
    {"ARTIST", "A", 30, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return TrimmedText(a.Artist); }},
    {"ALBUM", "ALB", 35, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return TrimmedText(a.Album); }},
    {"YEAR", "Y", 4, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return TrimmedText(a.Year); }},
    {"COMMENT", "CMNT", 30, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return TrimmedText(a.Comment); }},
    {"GENRE", "G", 25, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return std::string(a.GenreName()); }},
    {"GENRENR", "GNR", 3, R,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return Decimal(a.Genre); }},
    {"TRACK", "TR", 3, R,
     [](const TMPEGAudio& a, const TRegionalSettings&) {
         // two digits at least: track 0 reads "00"
         return (a.Track < 10 ? "0" : "") + Decimal(a.Track);
     }},
    {"DURATION", "D", 4, R,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return Decimal(a.Duration); }},
    {"DURATIONCOMMA", "DC", 5, R,
     [](const TMPEGAudio& a, const TRegionalSettings& r) {
         return FormatGrouped(a.Duration, r.ThousandSeparator);
     }},
    {"DURATIONFORM", "DF", 5, R,
     [](const TMPEGAudio& a, const TRegionalSettings& r) {
         return FormatMinutesSeconds(a.DurationTime(), r.TimeSeparator);
     }},
    {"LENGTH", "L", 9, R,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return Decimal(a.FileLength); }},
    {"LENGTHCOMMA", "LC", 12, R,
     [](const TMPEGAudio& a, const TRegionalSettings& r) {
         return FormatGrouped(a.FileLength, r.ThousandSeparator);
     }},
    {"LENGTHKB", "LK", 6, R,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return Decimal(a.FileLength / 1024); }},
    {"LENGTHKBCOMMA", "LKC", 8, R,
     [](const TMPEGAudio& a, const TRegionalSettings& r) {
         return FormatGrouped(RoundedQuotient(a.FileLength, 1024), r.ThousandSeparator);
     }},
    {"LENGTHMB", "LM", 5, R,
     [](const TMPEGAudio& a, const TRegionalSettings& r) {
         // whole mebibytes apart from the rest: ten times a length near the 64-bit limit (a
         // sparse file) would overflow
         const std::int64_t tenths =
             a.FileLength / 1048576 * 10 + RoundedQuotient(a.FileLength % 1048576 * 10, 1048576);
         return FormatTenths(tenths, r.DecimalSeparator);
     }},
    {"FILEDATE", "FD", 10, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return FormatDate(a.FileDateTime); }},
    {"FILETIME", "FT", 8, L,
     [](const TMPEGAudio& a, const TRegionalSettings& r) {
         return FormatTime(a.FileDateTime, r.TimeSeparator);
     }},
    {"VERSION", "V", 3, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return std::string(a.VersionName()); }},
    {"LAYER", "LY", 3, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return std::string(a.LayerName()); }},
    {"LAYERNR", "LYN", 1, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return Decimal(a.Layer); }},
    {"SAMPLERATE", "SR", 5, R,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return Decimal(a.SampleRate); }},
    {"SAMPLERATEKB", "SRK", 4, R,
     [](const TMPEGAudio& a, const TRegionalSettings& r) {
         // Hz in tenths of kHz
         return FormatTenths(RoundedQuotient(a.SampleRate, 100), r.DecimalSeparator);
     }},
    {"ERRORPROT", "EP", 3, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return YesNo(a.ErrorProtection); }},
    {"ERRORPROT*", "EP*", 1, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return Star(a.ErrorProtection); }},
    {"COPYRIGHT", "C", 3, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return YesNo(a.Copyright); }},
    {"COPYRIGHT*", "C*", 1, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return Star(a.Copyright); }},
    {"ORIGINAL", "O", 3, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return YesNo(a.Original); }},
    {"ORIGINAL*", "O*", 1, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return Star(a.Original); }},
    {"MODE", "M", 12, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return std::string(a.ModeName()); }},
    {"STEREO", "S", 6, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) -> std::string {
         return a.Mode == 3 ? "Mono" : "Stereo";
     }},
    {"BITRATE", "BR", 3, R,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return Decimal(a.BitRate); }},
    {"FRAMELENGTH", "FL", 4, R,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return Decimal(a.FrameLength); }},
    {"SELECTEDNR", "SLN", 3, R,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return Decimal(a.SelectedMark); }},
    {"SELECTED", "SL", 3, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return YesNo(a.SelectedMark > 0); }},
    {"SELECTED*", "SL*", 3, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return Star(a.SelectedMark > 0); }},
    {"VALID", "VD", 3, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return YesNo(a.IsValid()); }},
    {"VALID*", "VD*", 3, L,
     [](const TMPEGAudio& a, const TRegionalSettings&) { return Star(a.IsValid()); }},
};

bool IsNumberId(std::string_view tagId)
{
    return !tagId.empty() && tagId.find_first_not_of("0123456789.") == std::string_view::npos;
}

// The character of a numeric id in the tag's code page. An id that does not read as a 32-bit
// integer (such as "6.5") counts as 1, and so does code 0.
std::string CharacterOfNumber(std::string_view tagId, const TTagCodePage& codePage)
{
    std::int32_t number = 1;
    const auto [end, error] = std::from_chars(tagId.data(), tagId.data() + tagId.size(), number);
    if (error != std::errc() || end != tagId.data() + tagId.size()) {
        number = 1;
    }
    auto code = static_cast<std::uint8_t>(number & 0xFF);
    if (code == 0) {
        code = 1;
    }
    return DecodeTagText(std::string(1, static_cast<char>(code)), codePage);
}

} // namespace

std::string TrimmedText(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : TrimTagText(text.substr(first));
}

bool ItemReadsFile(std::string_view tagId)
{
    constexpr std::string_view PathOnly[] = {"NEWLINE", "SOFTNEWLINE", "TAB", "FILENAME",
                                             "FILEPATH"};
    if (IsNumberId(tagId)) {
        return false;
    }
    for (const auto& row : ItemRows) {
        if (tagId == row.LongId || tagId == row.ShortId) {
            return std::find(std::begin(PathOnly), std::end(PathOnly), row.LongId) ==
                   std::end(PathOnly);
        }
    }
    return false;
}

std::optional<TItemValue> LookUpItem(const TMPEGAudio& audio, std::string_view tagId,
                                     const TRegionalSettings& regional)
{
    if (IsNumberId(tagId)) {
        return TItemValue{CharacterOfNumber(tagId, audio.CodePage), 1, TItemAlignment::Left, true};
    }
    for (const auto& row : ItemRows) {
        if (tagId == row.LongId || tagId == row.ShortId) {
            return TItemValue{row.Value(audio, regional), row.DefaultLength, row.DefaultAlignment,
                              false};
        }
    }
    return std::nullopt;
}
