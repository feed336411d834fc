#include "extract/write_extracted_tag.h"

#include "batch/id3v2_write.h"
#include "batch/locked_change.h"
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

// The fields of `written` that the run sets: those it changes in either of two tags that share
// no value.
TTagEdits EditsOfRun(const TTagRecord& written, const TTagFormula& formula,
                     const TFieldValues& values, bool preserveOtherTag)
{
    const auto probe = [](const char* text, std::uint8_t number) {
        return TTagRecord{text, text, text, text, text, number, number};
    };
    const TTagRecord one = probe("\x01", 1);
    const TTagRecord two = probe("\x02", 2);
    const TTagRecord fromOne = ExtractedTag(one, formula, values, preserveOtherTag);
    const TTagRecord fromTwo = ExtractedTag(two, formula, values, preserveOtherTag);
    TTagEdits edits;
    const auto take = [&](auto field, auto& edit) {
        if (fromOne.*field != one.*field || fromTwo.*field != two.*field) {
            edit = written.*field;
        }
    };
    take(&TTagRecord::Title, edits.Title);
    take(&TTagRecord::Artist, edits.Artist);
    take(&TTagRecord::Album, edits.Album);
    take(&TTagRecord::Year, edits.Year);
    take(&TTagRecord::Comment, edits.Comment);
    take(&TTagRecord::Genre, edits.Genre);
    take(&TTagRecord::Track, edits.Track);
    return edits;
}

} // namespace

std::optional<TFileFailure> WriteExtractedTag(const std::string& fullPath,
                                              const TTagFormula& formula,
                                              const TFieldValues& values, bool preserveOtherTag,
                                              const TYieldFn& yield, const TTagCodePage& codePage,
                                              bool lossy, bool id3v2)
{
    TMPEGAudio audio(codePage);
    audio.SetFileName(fullPath, yield);
    if (!audio.IsValid()) {
        // Writing now would put the defaults of an unread tag ("[notag]", track 0) over a
        // trailer the file may well have.
        std::error_code error;
        const auto status = std::filesystem::status(fullPath, error);
        if (!std::filesystem::exists(status)) {
            return FailureFromCode(fullPath, -1, NotWritten);
        }
        if (std::filesystem::is_other(status)) {
            return NotRegularFailure(fullPath, NotWritten); // a pipe or device
        }
        return FailureFromReason(fullPath, TFailureReason::NotAudio,
                                 std::string(NotWritten) + ": no MPEG audio found");
    }
    const TTagRecord tag = ExtractedTag(audio.Tag(), formula, values, preserveOtherTag);
    if (!lossy && TagLosesCharacters(tag, codePage)) {
        return UnencodableFailure(fullPath, codePage);
    }
    // written only when the file is still what the analysis read, under the lock of a change
    const TTagTrailer trailer = BuildTagTrailer(tag, audio.CodePage);
    std::optional<TId3v2Change> both;
    if (id3v2) {
        both = TId3v2Change{Id3v2EditFromEdits(EditsOfRun(tag, formula, values, preserveOtherTag),
                                               tag, audio.CodePage)};
    }
    TFileOutcome written = ChangeLockedFile(
        fullPath, fullPath, SeenByRead(audio.FileState), NotWritten,
        [&](TOpenTagFile& file) { return file.Write(trailer, TFileChanges::System()); }, &trailer,
        both ? &*both : nullptr);
    if (written.Status == TFileStatus::Refused) {
        return std::move(written.Failure);
    }
    return std::nullopt;
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
