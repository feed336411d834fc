#include "support/id3v2_fixture.h"

#include <cstdint>

namespace {

// The code points of UTF-8 text (the tests give valid text).
std::vector<char32_t> CodePoints(const std::string& text)
{
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        char32_t point = length == 1 ? byte : byte & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        points.push_back(point);
        i += static_cast<std::size_t>(length);
    }
    return points;
}

void PutUtf16(std::string& out, char32_t point, bool bigEndian)
{
    const auto unit = [&](unsigned value) {
        const char high = static_cast<char>(value >> 8);
        const char low = static_cast<char>(value & 0xFF);
        out += bigEndian ? std::string{high, low} : std::string{low, high};
    };
    if (point >= 0x10000) {
        point -= 0x10000;
        unit(0xD800 + static_cast<unsigned>(point >> 10));
        unit(0xDC00 + static_cast<unsigned>(point & 0x3FF));
    } else {
        unit(static_cast<unsigned>(point));
    }
}

std::string Encoded(TId3v2Encoding encoding, const std::string& text)
{
    std::string out;
    switch (encoding) {
    case TId3v2Encoding::Latin1:
        for (const char32_t point : CodePoints(text)) {
            out += static_cast<char>(point);
        }
        break;
    case TId3v2Encoding::Utf16:
        out = "\xFF\xFE";
        [[fallthrough]];
    case TId3v2Encoding::Utf16BE:
        for (const char32_t point : CodePoints(text)) {
            PutUtf16(out, point, encoding == TId3v2Encoding::Utf16BE);
        }
        break;
    case TId3v2Encoding::Utf8:
        out = text;
        break;
    }
    return out;
}

std::string Terminator(TId3v2Encoding encoding)
{
    const bool wide = encoding == TId3v2Encoding::Utf16 || encoding == TId3v2Encoding::Utf16BE;
    return std::string(wide ? 2 : 1, '\0');
}

std::string BigEndian(std::uint32_t value, int bytes)
{
    std::string out;
    for (int i = bytes - 1; i >= 0; --i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return out;
}

std::string SyncSafe(std::uint32_t value)
{
    std::string out;
    for (int shift = 21; shift >= 0; shift -= 7) {
        out += static_cast<char>((value >> shift) & 0x7F);
    }
    return out;
}

// A zero byte after every 0xFF that a reader could take for the start of a frame sync.
std::string Unsynchronise(const std::string& data)
{
    std::string out;
    for (std::size_t i = 0; i < data.size(); ++i) {
        out += data[i];
        const bool next = i + 1 < data.size();
        if (data[i] == '\xFF' &&
            (!next || data[i + 1] == '\0' || static_cast<unsigned char>(data[i + 1]) >= 0xE0)) {
            out += '\0';
        }
    }
    return out;
}

} // namespace

std::string TextBody(TId3v2Encoding encoding, const std::string& text)
{
    return static_cast<char>(encoding) + Encoded(encoding, text);
}

std::string CommentBody(TId3v2Encoding encoding, const std::string& description,
                        const std::string& text)
{
    return static_cast<char>(encoding) + std::string("eng") + Encoded(encoding, description) +
           Terminator(encoding) + Encoded(encoding, text);
}

std::string MakeId3v2Tag(int version, const std::vector<TId3v2TestFrame>& frames,
                         const TId3v2TestOptions& options)
{
    std::string body;
    if (options.ExtendedHeader) {
        // 2.3: size without itself, two flag bytes, padding size; 2.4: whole size, one flag byte
        body += version == 3 ? BigEndian(6, 4) + std::string(2, '\0') + BigEndian(0, 4)
                             : SyncSafe(6) + std::string("\x01\x00", 2);
    }
    for (const auto& [id, content] : frames) {
        const auto size = static_cast<std::uint32_t>(content.size());
        body += id;
        body += version == 2   ? BigEndian(size, 3)
                : version == 3 ? BigEndian(size, 4) + std::string(2, '\0')
                               : SyncSafe(size) + std::string(2, '\0');
        body += content;
    }
    body += std::string(static_cast<std::size_t>(options.Padding), '\0');
    if (options.Unsynchronised) {
        body = Unsynchronise(body);
    }
    const char flags = static_cast<char>((options.Unsynchronised ? 0x80 : 0) |
                                         (options.ExtendedHeader ? 0x40 : 0));
    return std::string("ID3") + static_cast<char>(version) + '\0' + flags +
           SyncSafe(static_cast<std::uint32_t>(body.size())) + body;
}
