#include "cli/json_output.h"

#include "engine/ascii_text.h"
#include "engine/utf8.h"

namespace {

// A byte that the output shows as \u00XX travels through the JSON library as two control
// characters, 0x10 plus each half of the byte, which the library writes as \u001X: no other
// control character reaches the library, so every \u escape it writes belongs to such a pair.
constexpr unsigned char PairMark = 0x10;

bool ShownAsEscape(unsigned char byte)
{
    return byte != '\n' && byte != '\r' && byte != '\t' && (byte < 0x20 || byte >= 0x80);
}

// The library's output with each pair of \u001X escapes turned back into the one \u00XX it
// stands for. A backslash in the output always starts an escape; only \u escapes are looked at.
std::string JoinPairs(const std::string& dumped)
{
    std::string text;
    text.reserve(dumped.size());
    for (std::size_t i = 0; i < dumped.size(); ++i) {
        if (dumped[i] != '\\' || i + 1 == dumped.size()) {
            text += dumped[i];
            continue;
        }
        const bool pair = dumped.compare(i, 5, "\\u001") == 0 && i + 12 <= dumped.size() &&
                          dumped.compare(i + 6, 5, "\\u001") == 0 &&
                          HexDigitValue(dumped[i + 5]) >= 0 && HexDigitValue(dumped[i + 11]) >= 0;
        if (pair) {
            text += "\\u00";
            AppendHexByte(text, static_cast<unsigned char>(HexDigitValue(dumped[i + 5]) * 16 +
                                                           HexDigitValue(dumped[i + 11])));
            i += 11;
        } else {
            text += dumped.substr(i, 2);
            ++i;
        }
    }
    return text;
}

} // namespace

TJson JsonText(std::string_view text)
{
    std::string marked;
    marked.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t size = Utf8CharSize(text, pos);
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (size == 1 && ShownAsEscape(byte)) {
            marked += static_cast<char>(PairMark | (byte >> 4));
            marked += static_cast<char>(PairMark | (byte & 0x0F));
        } else {
            marked.append(text.substr(pos, size));
        }
        pos += size;
    }
    return marked;
}

std::string JsonLine(const TJson& value)
{
    // with no indent the library puts every member on a line of its own
    const std::string lines = value.dump(0);
    std::string line;
    line.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] != '\n') {
            line += lines[i];
        } else if (i > 0 && lines[i - 1] == ',') {
            line += ' ';
        }
    }
    return JoinPairs(line);
}

std::string JsonBlock(const TJson& value, int indent)
{
    const std::string lines = value.dump(2);
    std::string block;
    block.reserve(lines.size());
    for (const char c : lines) {
        block += c;
        if (c == '\n') {
            block.append(static_cast<std::size_t>(indent), ' ');
        }
    }
    return JoinPairs(block);
}

TJsonArrayWriter::TJsonArrayWriter(std::ostream& out, TLayout layout) : Out(out), Layout(layout)
{
}

void TJsonArrayWriter::Add(const TJson& element)
{
    Out << (Empty ? "[\n  " : ",\n  ")
        << (Layout == OneLine ? JsonLine(element) : JsonBlock(element, 2));
    Empty = false;
}

void TJsonArrayWriter::Finish()
{
    Out << (Empty ? "[]\n" : "\n]\n");
}
