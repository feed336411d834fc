// The ID3v1 trailer in every code page offered: the first 128 bytes are a trailer (its "TAG"
// put in place), the rest texts for the five fields, one per line.

#include "engine/code_page.h"
#include "engine/tag_record.h"
#include "engine/utf8.h"
#include "fuzz/fuzz_input.h"

#include <algorithm>

namespace {

void CheckCodePage(const TTagCodePage& page, const TTagTrailer& given, const std::uint8_t* data,
                   std::size_t size, TFuzzInput texts)
{
    // every byte decodes to a character that encodes back to it, so a tag nobody edited is
    // written back as it was read
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string decoded = DecodeTagText(bytes, page);
    FUZZ_CHECK(IsValidUtf8(decoded));
    FUZZ_CHECK(Utf8Length(decoded) == bytes.size());
    FUZZ_CHECK(EncodeTagText(decoded, page) == bytes);

    const auto tag = ParseTagTrailer(given, page);
    FUZZ_CHECK(tag.has_value());
    for (const auto* text : {&tag->Title, &tag->Artist, &tag->Album, &tag->Comment}) {
        FUZZ_CHECK(Utf8Length(*text) <= TagTextLimit);
    }
    FUZZ_CHECK(Utf8Length(tag->Year) <= TagYearLimit);
    // decode then encode: a trailer as the program writes it comes back byte for byte
    const TTagTrailer written = BuildTagTrailer(*tag, page);
    FUZZ_CHECK(ParseTagTrailer(written, page) == tag);
    FUZZ_CHECK(BuildTagTrailer(*ParseTagTrailer(written, page), page) == written);

    // encode then decode: texts of any kind, cut to their fields, one byte per character
    TTagRecord edited = *tag;
    for (auto* text :
         {&edited.Title, &edited.Artist, &edited.Album, &edited.Year, &edited.Comment}) {
        if (!texts.AtEnd()) {
            *text = std::string(texts.Line());
        }
    }
    const TTagTrailer fromTexts = BuildTagTrailer(edited, page);
    FUZZ_CHECK(std::equal(fromTexts.begin(), fromTexts.begin() + 3, "TAG"));
    FUZZ_CHECK(fromTexts[127] == edited.Genre && fromTexts[126] == edited.Track);
    // what was written reads back as a tag that is then written and read unchanged (blanks and
    // zero bytes at a field's end are not kept)
    const auto reread = ParseTagTrailer(fromTexts, page);
    FUZZ_CHECK(reread && ParseTagTrailer(BuildTagTrailer(*reread, page), page) == reread);
    const TTagTrailer rewritten = BuildTagTrailer(*reread, page);
    FUZZ_CHECK(BuildTagTrailer(*ParseTagTrailer(rewritten, page), page) == rewritten);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TTagTrailer trailer{};
    std::copy_n(data, std::min(size, trailer.size()), trailer.begin());
    std::copy_n("TAG", 3, trailer.begin());
    const std::size_t rest = size > trailer.size() ? trailer.size() : size;
    for (const auto& page : TagCodePages()) {
        CheckCodePage(page, trailer, data, size, TFuzzInput(data + rest, size - rest));
    }
    return 0;
}
