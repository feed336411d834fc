#pragma once

#include "engine/date_time.h"
#include "engine/file_facts.h"
#include "engine/id3v2_tag.h"
#include "engine/mpeg_header.h"
#include "engine/tag_file.h"
#include "engine/tag_record.h"
#include "engine/yield.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class TBlockReader;

// The analysis of one MPEG audio file: its first two frames, its ID3v1 tag and its file facts.
// Fields are public and read directly; SetFileName fills them.
class TMPEGAudio
{
public:
    TMPEGAudio() = default;
    explicit TMPEGAudio(const TTagCodePage& codePage) : CodePage(codePage) {}

    // The code page the tag is read and written in; kept by SetFileName.
    TTagCodePage CodePage = DefaultTagCodePage;

    // tag fields, UTF-8, as TTagRecord
    std::string Title;
    std::string Artist;
    std::string Album;
    std::string Year;
    std::string Comment;
    std::uint8_t Genre = 0;
    std::uint8_t Track = 0;

    std::uint16_t Duration = 0;  // seconds
    std::int64_t FileLength = 0; // bytes of the whole file
    std::uint8_t Version = 0;    // 0 unknown, 1 MPEG-1, 2 MPEG-2, 3 MPEG-2.5
    std::uint8_t Layer = 0;      // 0 unknown, 1..3 Layer I..III
    std::int32_t SampleRate = 0; // Hz
    std::int32_t BitRate = 0;    // kbit/s
    std::uint8_t Mode = 0;       // channel mode 0..3
    bool Copyright = false;
    bool Original = false;
    bool ErrorProtection = false;
    bool Padding = false;
    std::uint16_t FrameLength = 0;
    // The full path, bytes as the file system gives them. Never cut: a Linux path may be longer
    // than 255 bytes, and a cut path would name another file or none.
    std::string FileName;
    std::int32_t FileAge = 0; // packed DOS date and time of the last write
    // What the analysis found of a regular file (size, modification time, trailer), so that a
    // batch can tell at its change whether the file is still what it read; Size -1 otherwise.
    TFileState FileState;
    std::string VolumeLabel;
    std::uint16_t SelectedMark = 0;
    std::int32_t SearchLimit = 0; // 0: search the whole file
    TDateTime FileDateTime;
    // The folder relative paths are taken from; when not set, the working folder at each call.
    // A command that analyses many files sets it once rather than asking the system each time.
    std::optional<std::string> BaseFolder;

    // Analyses the file at `path`; `yield` is called every 300 bytes of the frame search. A read
    // failure part way leaves the object as for a file without frames.
    void SetFileName(const std::string& path, const TYieldFn& yield = {});
    // As above, and reads the file's ID3v2 tag in the same go, from the bytes the analysis reads
    // first (a larger tag with one read more).
    void SetFileName(const std::string& path, const TYieldFn& yield, TId3v2Reading& id3v2);

    bool IsValid() const;

    // Setters cut the text to the field's limit (characters); the file is not touched.
    void SetTitle(std::string_view text);
    void SetArtist(std::string_view text);
    void SetAlbum(std::string_view text);
    void SetYear(std::string_view text);
    void SetComment(std::string_view text);
    void SetGenre(std::uint8_t genre);
    void SetTrack(std::uint8_t track);

    // The tag fields as one record.
    TTagRecord Tag() const;

    // Writes (removes) the trailer of FileName and analyses the file again. -1 when the file is
    // missing, otherwise the code of WriteTagTrailer (RemoveTagTrailer).
    int WriteTag(const TYieldFn& yield = {});
    int RemoveTag(const TYieldFn& yield = {});

    std::string_view GenreName() const;
    std::string_view VersionName() const;
    std::string_view LayerName() const;
    std::string_view ModeName() const;

    // Duration as hours, minutes and seconds (the date part is zero).
    TDateTime DurationTime() const;

private:
    void Analyse(const std::string& path, const TYieldFn& yield, TId3v2Reading* id3v2);
    // The frame search over an open file; true when two frames in a row were found.
    bool SearchFrames(TBlockReader& reader, const TYieldFn& yield);
    void ResetFields();
    void ResetStreamAndTag();
    void TakeHeader(const TFrameHeader& header);
    void TakeTag(const TTagRecord& tag);

    TVolumeLabels VolumeLabels;
};
