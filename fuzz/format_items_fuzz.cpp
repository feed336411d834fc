// The file-name macro formatter: the first line is the macro, the next ones the file's texts
// (title, artist, album, year, comment, path, volume label), then a line of bytes for the
// numbers and flags, then the regional separators (thousands, decimal, time).

#include "engine/format_items.h"
#include "engine/utf8.h"
#include "fuzz/fuzz_input.h"

#include <algorithm>

namespace {

// Longer lengths are cut to this many characters by the formatter.
constexpr std::size_t MaxItemLength = 4096;

// Reads the numbers a little-endian byte at a time; zero once the line runs out.
class TNumbers
{
public:
    explicit TNumbers(std::string_view bytes) : Bytes(bytes) {}

    std::uint64_t Take(int count)
    {
        std::uint64_t value = 0;
        for (int i = 0; i < count; ++i) {
            const std::uint64_t byte =
                Pos < Bytes.size() ? static_cast<std::uint8_t>(Bytes[Pos]) : 0;
            ++Pos;
            value |= byte << (8 * i);
        }
        return value;
    }

private:
    std::string_view Bytes;
    std::size_t Pos = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TFuzzInput input(data, size);
    const std::string_view macro = input.Line();

    TMPEGAudio audio;
    for (auto* text : {&audio.Title, &audio.Artist, &audio.Album, &audio.Year, &audio.Comment,
                       &audio.FileName, &audio.VolumeLabel}) {
        *text = std::string(input.Line());
    }
    // the stream fields in the ranges an analysis gives them
    TNumbers numbers(input.Line());
    audio.Genre = static_cast<std::uint8_t>(numbers.Take(1));
    audio.Track = static_cast<std::uint8_t>(numbers.Take(1));
    audio.Version = static_cast<std::uint8_t>(numbers.Take(1) % 4);
    audio.Layer = static_cast<std::uint8_t>(numbers.Take(1) % 4);
    audio.Mode = static_cast<std::uint8_t>(numbers.Take(1) % 4);
    const auto flags = numbers.Take(1);
    audio.Copyright = (flags & 1) != 0;
    audio.Original = (flags & 2) != 0;
    audio.ErrorProtection = (flags & 4) != 0;
    audio.Padding = (flags & 8) != 0;
    audio.FileAge = (flags & 16) != 0 ? 1 : 0;
    audio.SelectedMark = static_cast<std::uint16_t>(numbers.Take(2));
    audio.Duration = static_cast<std::uint16_t>(numbers.Take(2));
    audio.FrameLength = static_cast<std::uint16_t>(numbers.Take(2));
    audio.SampleRate = static_cast<std::int32_t>(numbers.Take(4) & 0x7FFFFFFF);
    audio.BitRate = static_cast<std::int32_t>(numbers.Take(4) & 0x7FFFFFFF);
    audio.FileLength = static_cast<std::int64_t>(numbers.Take(8) & 0x7FFFFFFFFFFFFFFF);
    audio.FileDateTime = {
        1980 + static_cast<int>(numbers.Take(1) % 128), 1 + static_cast<int>(numbers.Take(1) % 12),
        1 + static_cast<int>(numbers.Take(1) % 28),     static_cast<int>(numbers.Take(1) % 24),
        static_cast<int>(numbers.Take(1) % 60),         static_cast<int>(numbers.Take(1) % 60)};

    TRegionalSettings regional;
    for (auto* separator :
         {&regional.ThousandSeparator, &regional.DecimalSeparator, &regional.TimeSeparator}) {
        if (!input.AtEnd()) {
            *separator = std::string(input.Line());
        }
    }

    // No value is longer than all the texts given together with a number of the longest kind
    // (twenty digits, each group with its separators) and a genre name.
    std::size_t valueBound =
        64 * (1 + regional.ThousandSeparator.size() + regional.DecimalSeparator.size() +
              regional.TimeSeparator.size());
    for (const auto* text : {&audio.Title, &audio.Artist, &audio.Album, &audio.Year, &audio.Comment,
                             &audio.FileName, &audio.VolumeLabel}) {
        valueBound += text->size();
    }

    // The expansion is the literal text with each item replaced by its own text, and no item
    // grows beyond the longer of its value, its length and itself as written.
    const std::string expanded = FormatItems(audio, macro, regional);
    std::string pieces;
    std::size_t pos = 0;
    for (;;) {
        const auto open = macro.find('%', pos);
        if (open == std::string_view::npos) {
            pieces += macro.substr(pos);
            break;
        }
        pieces += macro.substr(pos, open - pos);
        const auto close = macro.find('%', open + 1);
        if (close == std::string_view::npos) {
            pieces += "<<<ERROR!!! No end of item definition!>>>";
            break;
        }
        const auto item = macro.substr(open, close - open + 1);
        const std::string text = FormatItem(audio, item, regional);
        // a pad character may be a whole UTF-8 sequence: four bytes a character at most
        FUZZ_CHECK(text.size() <= item.size() + valueBound + 4 * MaxItemLength);
        FUZZ_CHECK(Utf8Length(text) <= std::max({item.size(), valueBound, MaxItemLength}));
        pieces += text;
        pos = close + 1;
    }
    FUZZ_CHECK(expanded == pieces);
    return 0;
}
