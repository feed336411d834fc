#include "extract/write_extracted_tag.h"

#include "engine/mpeg_audio.h"
#include "engine/tag_record.h"
#include "engine/tag_values.h"
#include "engine/utf8.h"

#include <filesystem>

namespace {

constexpr const char* NotWritten = "not written";

void SetField(TTagRecord& tag, TTagField field, const std::string& value)
{
    switch (field) {
    case TTagField::Title:
        tag.Title = Utf8Left(value, TagTextLimit);
        break;
    case TTagField::Artist:
        tag.Artist = Utf8Left(value, TagTextLimit);
        break;
    case TTagField::Album:
        tag.Album = Utf8Left(value, TagTextLimit);
        break;
    case TTagField::Comment:
        tag.Comment = Utf8Left(value, TagTextLimit);
        break;
    case TTagField::Year:
        tag.Year = Utf8Left(value, TagYearLimit);
        break;
    case TTagField::Track:
        if (const auto track = TrackByte(value)) {
            tag.Track = *track;
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
                                              const TYieldFn& yield, const TTagCodePage& codePage,
                                              bool lossy)
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
    const TTagRecord tag = ExtractedTag(audio.Tag(), formula, values, preserveOtherTag);
    if (!lossy && TagLosesCharacters(tag, codePage)) {
        return UnencodableFailure(fullPath, codePage);
    }
    audio.SetTitle(tag.Title);
    audio.SetArtist(tag.Artist);
    audio.SetAlbum(tag.Album);
    audio.SetYear(tag.Year);
    audio.SetComment(tag.Comment);
    audio.SetTrack(tag.Track);
    const int code = audio.WriteTag(yield);
    if (code == 0) {
        return std::nullopt;
    }
    return FailureFromCode(fullPath, code, NotWritten);
}

TTagRecord ExtractedTag(TTagRecord tag, const TTagFormula& formula, const TFieldValues& values,
                        bool preserveOtherTag)
{
    if (!preserveOtherTag) {
        tag.Title.clear();
        tag.Artist.clear();
        tag.Album.clear();
        tag.Year.clear();
        tag.Comment.clear();
    }
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (!values[k].empty()) {
            SetField(tag, formula.Field[k], values[k]);
        }
    }
    return tag;
}

bool ValuesLoseCharacters(const TTagFormula& formula, const TFieldValues& values,
                          const TTagCodePage& codePage)
{
    return TagLosesCharacters(ExtractedTag({}, formula, values, false), codePage);
}
