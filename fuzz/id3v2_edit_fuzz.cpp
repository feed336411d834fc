// The ID3v2 tag at a file's head, as the input's bytes: read, edited (a title and a track set)
// and cleared. What an edit writes must be a plain tag that the same edit leaves as it is, and
// the undo journal's account of the old head must give it back from the new one, also from a
// new head whose write in place stopped half way.

#include "engine/head_delta.h"
#include "engine/id3v2_edit.h"
#include "engine/id3v2_file.h"
#include "engine/id3v2_tag.h"
#include "fuzz/fuzz_input.h"

#include <string>

namespace {

void CheckEdit(const std::string& region, const TId3v2Edit& edit)
{
    int code = 0;
    const auto change = PlanId3v2Change(region, edit, code);
    if (!change) {
        return;
    }
    FUZZ_CHECK(code == 0 && change->Old == region);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(change->New.data());
    // a plain 2.3 or 2.4 tag, its padding counted, never shorter than the old one (a shorter tag
    // is padded to keep the audio where it was)
    FUZZ_CHECK(Id3v2TagLength(bytes, change->New.size()) == change->New.size());
    FUZZ_CHECK((bytes[3] == 3 || bytes[3] == 4) && bytes[5] == 0);
    FUZZ_CHECK(change->New.size() >= region.size());
    FUZZ_CHECK(ParseId3v2Tag(bytes, change->New.size()).has_value());
    int again = 0;
    FUZZ_CHECK(!PlanId3v2Change(change->New, edit, again) && again == 0);

    const THeadDelta delta = HeadDelta(change->Old, change->New);
    FUZZ_CHECK(OldHeadFrom(change->New, delta) == change->Old);
    if (change->New.size() == change->Old.size() && !delta.Middle.empty()) {
        std::string stopped = change->Old;
        const std::size_t half = delta.Middle.size() / 2;
        stopped.replace(delta.Prefix, half, change->New, delta.Prefix, half);
        FUZZ_CHECK(OldHeadFrom(stopped, delta) == change->Old);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ParseId3v2Tag(data, size);
    const std::string region(reinterpret_cast<const char*>(data), size);
    TId3v2Edit edit;
    edit.Fields.Title = "Fuzzed \xC3\x84 Title";
    edit.Fields.Track = "7";
    CheckEdit(region, edit);
    TId3v2Edit clear;
    clear.Clear = true;
    CheckEdit(region, clear);
    return 0;
}
