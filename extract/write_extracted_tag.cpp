#include "extract/write_extracted_tag.h"

#include "engine/mpeg_audio.h"
#include "engine/tag_record.h"
#include "engine/utf8.h"

#include <filesystem>

namespace {

constexpr const char* NotWritten = "not written";

void SetField(TMPEGAudio& audio, TTagField field, const std::string& value)
{
    switch (field) {
    case TTagField::Title:
        audio.SetTitle(Utf8Left(value, TagTextLimit));
        break;
    case TTagField::Artist:
        audio.SetArtist(Utf8Left(value, TagTextLimit));
        break;
    case TTagField::Album:
        audio.SetAlbum(Utf8Left(value, TagTextLimit));
        break;
    case TTagField::Comment:
        audio.SetComment(Utf8Left(value, TagTextLimit));
        break;
    case TTagField::Year:
        audio.SetYear(Utf8Left(value, TagYearLimit));
        break;
    case TTagField::Track:
        if (const auto track = TrackByte(value)) {
            audio.SetTrack(*track);
        }
        break;
    case TTagField::Trash:
        break;
    }
}

} // namespace

std::optional<TFileFailure> WriteExtractedTag(const std::string& fullPath,
                                              const TTagFormula& formula,
                                              const TFieldValues& values, bool preserveOtherTag,
                                              const TYieldFn& yield, const TTagCodePage& codePage)
{
    TMPEGAudio audio(codePage);
    audio.SetFileName(fullPath, yield);
    if (!audio.IsValid()) {
        // Writing now would put the defaults of an unread tag ("[notag]", track 0) over a
        // trailer the file may well have.
        std::error_code error;
        const bool exists = std::filesystem::exists(fullPath, error);
        return exists ? FailureFromReason(fullPath, TFailureReason::NotAudio,
                                          std::string(NotWritten) + ": no MPEG audio found")
                      : FailureFromCode(fullPath, -1, NotWritten);
    }
    if (!preserveOtherTag) {
        audio.SetTitle("");
        audio.SetArtist("");
        audio.SetAlbum("");
        audio.SetYear("");
        audio.SetComment("");
    }
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (!values[k].empty()) {
            SetField(audio, formula.Field[k], values[k]);
        }
    }
    const int code = audio.WriteTag(yield);
    if (code == 0) {
        return std::nullopt;
    }
    return FailureFromCode(fullPath, code, NotWritten);
}
