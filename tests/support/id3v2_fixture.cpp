#include "support/id3v2_fixture.h"

#include <cstdint>
#include <iconv.h>

namespace {

// UTF-8 `text` in the character set `to` (the tests give text it can hold).
std::string Converted(const std::string& text, const char* to)
{
    const iconv_t converter = iconv_open(to, "UTF-8");
    std::string in = text;
    std::string out(4 * text.size(), '\0');
    char* from = in.data();
    char* into = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    iconv(converter, &from, &inLeft, &into, &outLeft);
    iconv_close(converter);
    out.resize(out.size() - outLeft);
    return out;
}

std::string Encoded(TId3v2Encoding encoding, const std::string& text)
{
    switch (encoding) {
    case TId3v2Encoding::Latin1:
        return Converted(text, "ISO-8859-1");
    case TId3v2Encoding::Utf16:
        return "\xFF\xFE" + Converted(text, "UTF-16LE");
    case TId3v2Encoding::Utf16BE:
        return Converted(text, "UTF-16BE");
    case TId3v2Encoding::Utf8:
        break;
    }
    return text;
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
