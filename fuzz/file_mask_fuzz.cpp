// The extension masks of the scan: the first line is the mask text, every further line a file
// name to match.

#include "engine/ascii_text.h"
#include "fuzz/fuzz_input.h"
#include "scan/file_mask.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TFuzzInput input(data, size);
    const TFileMaskList masks(input.Line());

    const auto& texts = masks.Masks();
    FUZZ_CHECK(masks.Empty() == texts.empty());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        FUZZ_CHECK(texts[i].size() >= 3 && texts[i].starts_with("*."));
        // in name order, each once ignoring case
        FUZZ_CHECK(i == 0 || CompareIgnoringCase(texts[i - 1], texts[i]) < 0);
        // a name with the mask's own extension matches it, in either case
        const std::string name = "x" + texts[i].substr(1);
        FUZZ_CHECK(masks.Matches(name));
        FUZZ_CHECK(masks.Matches(AsciiUpper(name)) && masks.Matches(AsciiLower(name)));
    }
    // rebuilt from its own masks, the list is the same
    std::string joined;
    for (const auto& text : texts) {
        joined += text + ";";
    }
    const TFileMaskList again(joined);
    FUZZ_CHECK(again.Masks() == texts);

    while (!input.AtEnd()) {
        const std::string_view name = input.Line();
        const bool matched = masks.Matches(name);
        FUZZ_CHECK(again.Matches(name) == matched);
        FUZZ_CHECK(masks.Matches(AsciiUpper(name)) == matched);
        FUZZ_CHECK(masks.Matches(AsciiLower(name)) == matched);
        FUZZ_CHECK(!matched || !masks.Empty());
    }
    return 0;
}
