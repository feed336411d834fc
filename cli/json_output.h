#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <string_view>

// JSON values keep their keys in the order they were added.
using TJson = nlohmann::ordered_json;

// A file name or tag text as a JSON string. File names need not be UTF-8: a byte that is not
// part of valid UTF-8 comes out as \u00XX, the character of the same number, as does a control
// character other than line feed, carriage return and tab, so the output is always valid JSON
// and still shows which byte stood there.
TJson JsonText(std::string_view text);

// The value as JSON on one line: {"key": value, "key": value}.
std::string JsonLine(const TJson& value);

// The value as JSON over several lines, each level indented by two spaces and every line after
// the first by `indent` more.
std::string JsonBlock(const TJson& value, int indent);

// Writes a JSON array one element at a time, as the elements come: "[", each element on its
// own line(s) indented by two spaces, "]"; "[]" when there was none.
class TJsonArrayWriter
{
public:
    enum TLayout
    {
        OneLine,
        Block
    };
    explicit TJsonArrayWriter(std::ostream& out, TLayout layout = OneLine);
    void Add(const TJson& element);
    // Ends the array; nothing may be added after it.
    void Finish();

private:
    std::ostream& Out;
    TLayout Layout;
    bool Empty = true;
};
