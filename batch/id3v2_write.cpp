#include "batch/id3v2_write.h"

#include "batch/id3v2_copy.h"
#include "batch/locked_change.h"
#include "engine/file_handle.h"
#include "engine/genre_names.h"
#include "engine/id3v2_file.h"
#include "engine/mpeg_audio.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

const std::string CannotWriteId3v2 = "cannot write the ID3v2 tag";

std::optional<std::string> Trimmed(const std::string& text)
{
    const auto end = text.find_last_not_of(" \t");
    if (end == std::string::npos) {
        return std::nullopt;
    }
    return text.substr(0, end + 1);
}

// What the write would do to the file's ID3v2 tag, read without opening the file for writing:
// 0 with `changes` set, or the errno value of a refusal.
int DryRunOf(const std::string& file, const TId3v2Edit& edit, bool& changes)
{
    TFileHandle handle(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!handle.IsOpen()) {
        return errno;
    }
    int code = 0;
    changes = PlanId3v2Change(handle.Get(), edit, code).has_value();
    if (code == 0 && changes) {
        code = WriteRefusal(file);
    }
    return code;
}

} // namespace

TId3v2Edit Id3v2EditFromEdits(const TTagEdits& edits, const TTagRecord& written,
                              const TTagCodePage& codePage)
{
    TId3v2Edit edit;
    edit.Keeps = KeepsAgreeing(written, codePage);
    edit.Fields.Title = edits.Title;
    edit.Fields.Artist = edits.Artist;
    edit.Fields.Album = edits.Album;
    edit.Fields.Year = edits.Year;
    edit.Fields.Comment = edits.Comment;
    if (edits.Genre) {
        edit.Fields.Genre =
            *edits.Genre < GenreCount ? std::string(GenreName(*edits.Genre)) : std::string();
    }
    if (edits.Track) {
        edit.Fields.Track = *edits.Track == 0 ? std::string() : std::to_string(*edits.Track);
    }
    return edit;
}

TId3v2Edit Id3v2EditFromTag(const TTagRecord& tag, const TTagCodePage& codePage)
{
    TId3v2Edit edit;
    edit.Keeps = KeepsAgreeing(tag, codePage);
    edit.Fields.Title = Trimmed(tag.Title);
    edit.Fields.Artist = Trimmed(tag.Artist);
    edit.Fields.Album = Trimmed(tag.Album);
    edit.Fields.Year = Trimmed(tag.Year);
    edit.Fields.Comment = Trimmed(tag.Comment);
    if (tag.Genre < GenreCount) {
        edit.Fields.Genre = std::string(GenreName(tag.Genre));
    }
    if (tag.Track != 0) {
        edit.Fields.Track = std::to_string(tag.Track);
    }
    return edit;
}

TId3v1CopyOutcome CopyId3v1ToId3v2(TMPEGAudio& audio, const std::string& path, bool dryRun,
                                   const TYieldFn& yield)
{
    if (auto refusal = AnalyseForWrite(audio, path, yield)) {
        return {TFileOutcome::Refusal(std::move(*refusal))};
    }
    if (!audio.FileState.Trailer) {
        return {{TFileStatus::Unchanged, {}}, true};
    }
    TId3v2Change change{Id3v2EditFromTag(audio.Tag(), audio.CodePage)};
    if (dryRun) {
        bool changes = false;
        if (const int code = DryRunOf(audio.FileName, change.Edit, changes); code != 0) {
            return {TFileOutcome::Refusal(HeadFailure(path, CannotWriteId3v2, code))};
        }
        return {changes ? TFileOutcome() : TFileOutcome(TFileStatus::Unchanged)};
    }
    return {ChangeLockedFile(audio.FileName, path, SeenByRead(audio.FileState), CannotWriteId3v2,
                             {}, nullptr, &change)};
}
