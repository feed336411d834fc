#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// What every fuzz target shares: a property check that stops the run the way a crash does (so
// the fuzzer keeps the input and the regression test fails on it), and the cutting of one input
// into the texts a target needs.

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// An input read as lines: each Line() is the text up to the next line feed (without it), the
// rest once no line feed is left, and empty after the end. Text inputs stay readable this way,
// and the fuzzer finds the line feeds as quickly as any other byte.
class TFuzzInput
{
public:
    TFuzzInput(const std::uint8_t* data, std::size_t size)
        : Rest(reinterpret_cast<const char*>(data), size)
    {
    }

    std::string_view Line()
    {
        const auto end = Rest.find('\n');
        const std::string_view line = Rest.substr(0, end);
        Rest.remove_prefix(end == std::string_view::npos ? Rest.size() : end + 1);
        return line;
    }

    // The first byte of the next line, `fallback` for an empty one.
    std::uint8_t Byte(std::uint8_t fallback = 0)
    {
        const auto line = Line();
        return line.empty() ? fallback : static_cast<std::uint8_t>(line.front());
    }

    std::string_view Remaining() const { return Rest; }
    bool AtEnd() const { return Rest.empty(); }

private:
    std::string_view Rest;
};
