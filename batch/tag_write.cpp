#include "batch/tag_write.h"

#include "batch/id3v2_write.h"
#include "batch/locked_change.h"
#include "engine/genre_names.h"
#include "engine/mpeg_audio.h"
#include "engine/path_parts.h"
#include "engine/tag_file.h"
#include "engine/tag_record.h"
#include "engine/tag_values.h"
#include "engine/utf8.h"

#include <cerrno>
#include <sys/stat.h>

namespace {

const char* const WriteFailureText = "cannot write the tag";

bool IsMissing(int error)
{
    return error == ENOENT || error == ENOTDIR;
}

// Writes the trailer over the one of `file` (the analysed name of `path`), when the file is still
// what the read saw. The analysis is not repeated after the write as WriteTag would: a batch of
// thousands of files then reads each only once.
TFileOutcome WriteTrailer(const std::string& file, const std::string& path,
                          const std::optional<TFileState>& seen, const TTagTrailer& trailer,
                          TId3v2Change* id3v2 = nullptr)
{
    return ChangeLockedFile(
        file, path, seen, WriteFailureText,
        [&](TOpenTagFile& open) { return open.Write(trailer, TFileChanges::System()); }, &trailer,
        id3v2);
}

} // namespace

std::optional<std::uint8_t> GenreFromChosenName(std::string_view text)
{
    const std::string_view name = GenreNameOf(text);
    std::optional<std::uint8_t> genre;
    for (std::size_t i = 0; i < GenreNames.size(); ++i) {
        if (GenreNames[i] == name) {
            genre = static_cast<std::uint8_t>(i);
        }
    }
    return genre;
}

std::uint8_t TrackOrZero(std::string_view text)
{
    return TrackFromText(text).value_or(0);
}

TTagEdits TagEditsFromTexts(const std::vector<TFieldText>& texts)
{
    TTagEdits edits;
    for (const TFieldText& field : texts) {
        if (!field.Write) {
            continue;
        }
        switch (field.Field) {
        case TEditField::Title:
            edits.Title = Utf8Left(field.Text, TagTextLimit);
            break;
        case TEditField::Artist:
            edits.Artist = Utf8Left(field.Text, TagTextLimit);
            break;
        case TEditField::Album:
            edits.Album = Utf8Left(field.Text, TagTextLimit);
            break;
        case TEditField::Year:
            edits.Year = Utf8Left(field.Text, TagYearLimit);
            break;
        case TEditField::Comment:
            edits.Comment = Utf8Left(field.Text, TagTextLimit);
            break;
        case TEditField::Genre:
            edits.Genre = GenreFromChosenName(field.Text);
            break;
        case TEditField::Track:
            edits.Track = TrackOrZero(field.Text);
            break;
        }
    }
    return edits;
}

TFileOutcome WriteTagToFile(const std::string& path, const TTagEdits& edits, const TYieldFn& yield,
                            const TTagCodePage& codePage)
{
    TMPEGAudio audio(codePage);
    return WriteTagToFile(audio, path, edits, yield);
}

TFileOutcome WriteTagToFile(TMPEGAudio& audio, const std::string& path, const TTagEdits& edits,
                            const TYieldFn& yield)
{
    return ReadForTagWrite(audio, path, edits, yield)();
}

TFileChange ReadForTagWrite(TMPEGAudio& audio, const std::string& path, const TTagEdits& edits,
                            const TYieldFn& yield, bool id3v2)
{
    if (auto refusal = AnalyseForWrite(audio, path, yield)) {
        return [refusal = std::move(*refusal)] { return TFileOutcome::Refusal(refusal); };
    }
    const TTagRecord written = EditedTag(audio.Tag(), edits);
    return [path, file = audio.FileName, seen = SeenByRead(audio.FileState),
            trailer = BuildTagTrailer(written, audio.CodePage),
            both = id3v2 ? std::optional(
                               TId3v2Change{Id3v2EditFromEdits(edits, written, audio.CodePage)})
                         : std::nullopt]() mutable {
        return WriteTrailer(file, path, seen, trailer, both ? &*both : nullptr);
    };
}

std::optional<TFileFailure> AnalyseForWrite(TMPEGAudio& audio, const std::string& path,
                                            const TYieldFn& yield, TId3v2Reading* id3v2)
{
    if (id3v2 != nullptr) {
        audio.SetFileName(path, yield, *id3v2);
    } else {
        audio.SetFileName(path, yield);
    }
    if (audio.IsValid()) {
        return std::nullopt;
    }
    struct stat info = {};
    if (stat(audio.FileName.c_str(), &info) != 0) {
        if (IsMissing(errno)) {
            return FailureFromCode(path, -1, WriteFailureText);
        }
    } else if (!S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
        // a pipe or device is never opened for a change, nor analysed as audio
        return NotRegularFailure(path, WriteFailureText);
    }
    return FailureFromReason(path, TFailureReason::NotAudio,
                             std::string(WriteFailureText) +
                                 ": no MPEG audio found, so its tag was not read");
}

TFileOutcome WriteAnalysedTag(const TMPEGAudio& audio, const std::string& path,
                              const TTagRecord& tag)
{
    return WriteTrailer(audio.FileName, path, SeenByRead(audio.FileState),
                        BuildTagTrailer(tag, audio.CodePage));
}

TTagRecord EditedTag(TTagRecord tag, const TTagEdits& edits)
{
    const auto replace = [](std::string& field, const std::optional<std::string>& text,
                            std::size_t limit) {
        if (text) {
            field = Utf8Left(*text, limit);
        }
    };
    replace(tag.Title, edits.Title, TagTextLimit);
    replace(tag.Artist, edits.Artist, TagTextLimit);
    replace(tag.Album, edits.Album, TagTextLimit);
    replace(tag.Year, edits.Year, TagYearLimit);
    replace(tag.Comment, edits.Comment, TagTextLimit);
    tag.Genre = edits.Genre.value_or(tag.Genre);
    tag.Track = edits.Track.value_or(tag.Track);
    return tag;
}

TFileOutcome ClearTagOfFile(const std::string& path, bool id3v2)
{
    const std::string what = "cannot remove the tag";
    std::string fullPath;
    if (const int code = MakeFullPath(path, fullPath); code != 0) {
        return TFileOutcome::Refusal(FailureFromCode(path, IsMissing(code) ? -1 : code, what));
    }
    bool hadTag = false;
    TId3v2Change clear;
    clear.Edit.Clear = true;
    TFileOutcome cleared = ChangeLockedFile(
        fullPath, path, std::nullopt, what,
        [&](TOpenTagFile& file) {
            const std::optional<TFileState> state = file.State();
            hadTag = state && state->Trailer;
            return file.Remove(TFileChanges::System());
        },
        nullptr, id3v2 ? &clear : nullptr);
    if (cleared.Status == TFileStatus::Done && !hadTag && !clear.Changed) {
        return {TFileStatus::Unchanged, {}};
    }
    return cleared;
}
