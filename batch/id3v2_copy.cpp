#include "batch/id3v2_copy.h"

#include "batch/locked_change.h"
#include "engine/genre_names.h"
#include "engine/mpeg_audio.h"
#include "engine/tag_record.h"
#include "engine/tag_values.h"
#include "engine/utf8.h"

#include <algorithm>
#include <cerrno>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A whole decimal number 0..255, spaces around it allowed.
std::optional<std::uint8_t> ByteNumber(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') + 1 - first);
    unsigned value = 0;
    for (const char c : text) {
        if (!IsDigit(c) || (value = value * 10 + static_cast<unsigned>(c - '0')) > 255) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint8_t>(value);
}

std::optional<std::string> YearOf(std::string_view date)
{
    if (date.size() < TagYearLimit ||
        !std::all_of(date.begin(), date.begin() + TagYearLimit, IsDigit)) {
        return std::nullopt;
    }
    return std::string(date.substr(0, TagYearLimit));
}

std::optional<std::uint8_t> TrackOf(std::string_view track)
{
    return ByteNumber(track.substr(0, track.find('/')));
}

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

std::optional<std::uint8_t> GenreOf(std::string_view genre)
{
    // "(17)" is how 2.3 tags give a number, "(17)Rock" with a refinement after it
    if (genre.size() > 2 && genre.front() == '(') {
        if (const auto close = genre.find(')'); close != std::string_view::npos) {
            genre = genre.substr(1, close - 1);
        }
    }
    if (const auto number = ByteNumber(genre)) {
        return *number < GenreCount ? number : std::nullopt;
    }
    for (std::size_t i = 0; i < GenreNames.size(); ++i) {
        if (SameIgnoringCase(GenreNames[i], genre)) {
            return static_cast<std::uint8_t>(i);
        }
    }
    return std::nullopt;
}

} // namespace

TTagEdits Id3v1EditsFromId3v2(const TId3v2Fields& fields)
{
    const auto text = [](const std::optional<std::string>& value) -> std::optional<std::string> {
        return value ? std::optional(Utf8Left(*value, TagTextLimit)) : std::nullopt;
    };
    TTagEdits edits;
    edits.Title = text(fields.Title);
    edits.Artist = text(fields.Artist);
    edits.Album = text(fields.Album);
    edits.Comment = text(fields.Comment);
    if (fields.Year) {
        edits.Year = YearOf(*fields.Year);
    }
    if (fields.Genre) {
        edits.Genre = GenreOf(*fields.Genre);
    }
    if (fields.Track) {
        edits.Track = TrackOf(*fields.Track);
    }
    return edits;
}

std::array<bool, 7> FieldsDisagreeing(const std::optional<TTagRecord>& id3v1,
                                      const TId3v2Fields& id3v2, const TTagCodePage& codePage)
{
    const TTagRecord own = id3v1.value_or(TTagRecord{"", "", "", "", "", 255, 0});
    const TTagEdits edits = Id3v1EditsFromId3v2(id3v2);
    // what a copy would store, read back as the ID3v1 tag then reads
    const TTagRecord given =
        ParseTagTrailer(BuildTagTrailer(EditedTag(own, edits), codePage), codePage).value_or(own);
    const auto blank = [](const std::string& text) {
        return text.find_first_not_of(' ') == std::string::npos;
    };
    // the five texts: where the ID3v2 tag holds them, what a copy edits, where ID3v1 holds them
    const struct
    {
        std::optional<std::string> TId3v2Fields::*Id3v2;
        std::optional<std::string> TTagEdits::*Edit;
        std::string TTagRecord::*Id3v1;
    } texts[] = {{&TId3v2Fields::Title, &TTagEdits::Title, &TTagRecord::Title},
                 {&TId3v2Fields::Artist, &TTagEdits::Artist, &TTagRecord::Artist},
                 {&TId3v2Fields::Album, &TTagEdits::Album, &TTagRecord::Album},
                 {&TId3v2Fields::Year, &TTagEdits::Year, &TTagRecord::Year},
                 {&TId3v2Fields::Comment, &TTagEdits::Comment, &TTagRecord::Comment}};
    std::array<bool, 7> disagree{};
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        const auto& [v2, edit, v1] = texts[i];
        disagree[i] =
            (id3v2.*v2).has_value() ? !(edits.*edit) || given.*v1 != own.*v1 : !blank(own.*v1);
    }
    disagree[5] = id3v2.Genre ? !edits.Genre || given.Genre != own.Genre : own.Genre < GenreCount;
    disagree[6] = id3v2.Track ? !edits.Track || given.Track != own.Track : own.Track != 0;
    return disagree;
}

namespace {

// Printable ASCII, which every code page holds as it is, without trailing blanks.
std::optional<std::string_view> PlainText(std::string_view text)
{
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c < 0x7F; })) {
        return std::nullopt;
    }
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

} // namespace

std::function<bool(std::size_t, const std::string&)> KeepsAgreeing(const TTagRecord& written,
                                                                   const TTagCodePage& codePage)
{
    // the tag as it reads back is put together only when a value needs it
    return [written, codePage, id3v1 = std::optional<TTagRecord>()](
               std::size_t field, const std::string& held) mutable {
        static constexpr std::string TTagRecord::*Texts[] = {
            &TTagRecord::Title, &TTagRecord::Artist, &TTagRecord::Album, nullptr,
            &TTagRecord::Comment};
        if (field >= Id3v2FieldOrder.size()) {
            return false;
        }
        // a short plain text is what it gives ID3v1: the common case of another value
        const auto text = field < std::size(Texts) ? Texts[field] : nullptr;
        if (text != nullptr && held.size() <= TagTextLimit &&
            (written.*text).size() <= TagTextLimit) {
            const auto mine = PlainText(held);
            const auto theirs = PlainText(written.*text);
            if (mine && theirs && *mine != *theirs) {
                return false;
            }
        }
        if (!id3v1) {
            id3v1 = ParseTagTrailer(BuildTagTrailer(written, codePage), codePage).value_or(written);
        }
        TId3v2Fields id3v2;
        id3v2.*Id3v2FieldOrder[field] = held;
        return !FieldsDisagreeing(*id3v1, id3v2, codePage)[field];
    };
}

TId3v2CopyOutcome CopyId3v2ToId3v1(TMPEGAudio& audio, const std::string& path, bool dryRun,
                                   const TYieldFn& yield, bool lossy)
{
    // the ID3v2 tag comes from the analysis' own read of the file, in the same open
    TId3v2Reading reading;
    if (auto refusal = AnalyseForWrite(audio, path, yield, &reading)) {
        return {TFileOutcome::Refusal(std::move(*refusal))};
    }
    if (!reading.Fields) {
        return {{TFileStatus::Unchanged, {}}, true};
    }
    const TTagRecord tag = EditedTag(audio.Tag(), Id3v1EditsFromId3v2(*reading.Fields));
    // Compared as the trailer would read back, so a text the code page cannot hold compares as
    // its "?". A file without a trailer reads its year as four spaces, which no trailer reads
    // back as, so it never counts as unchanged.
    if (ParseTagTrailer(BuildTagTrailer(tag, audio.CodePage), audio.CodePage) == audio.Tag()) {
        return {{TFileStatus::Unchanged, {}}};
    }
    if (!lossy && TagLosesCharacters(tag, audio.CodePage)) {
        return {TFileOutcome::Refusal(UnencodableFailure(path, audio.CodePage))};
    }
    if (dryRun) {
        if (const int error = WriteRefusal(audio.FileName); error != 0) {
            return {TFileOutcome::Refusal(FailureFromCode(path, error, "cannot write the tag"))};
        }
        return {};
    }
    return {WriteAnalysedTag(audio, path, tag)};
}

std::size_t CountId3v2Tags(const std::vector<std::string>& paths, const TYieldFn& yield)
{
    std::size_t count = 0;
    for (const std::string& path : paths) {
        if (yield) {
            yield();
        }
        count += ReadId3v2Tag(path).Fields ? 1 : 0;
    }
    return count;
}
