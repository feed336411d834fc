#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/line_text.h"
#include "engine/analysis_read_ahead.h"
#include "engine/id3v2_tag.h"
#include "engine/mpeg_audio.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace {

// Plain output goes out in blocks of about this size rather than field by field.
constexpr std::size_t OutputBlock = 64 * 1024;

// Calls `field(key, value)` for each field of the analysis in the order scripts read them (keep
// it stable); a value is a number (std::int64_t) or a text (std::string_view).
template <typename TField> void VisitInfoFields(const TMPEGAudio& audio, TField&& field)
{
    const auto flag = [](bool value) { return std::int64_t{value ? 1 : 0}; };
    using TText = std::string_view;
    field("file", TText(audio.FileName));
    field("valid", flag(audio.IsValid()));
    field("version", std::int64_t{audio.Version});
    field("version_name", audio.VersionName());
    field("layer", std::int64_t{audio.Layer});
    field("layer_name", audio.LayerName());
    field("samplerate", std::int64_t{audio.SampleRate});
    field("bitrate", std::int64_t{audio.BitRate});
    field("mode", std::int64_t{audio.Mode});
    field("mode_name", audio.ModeName());
    field("copyright", flag(audio.Copyright));
    field("original", flag(audio.Original));
    field("errorprotection", flag(audio.ErrorProtection));
    field("padding", flag(audio.Padding));
    field("framelength", std::int64_t{audio.FrameLength});
    field("duration", std::int64_t{audio.Duration});
    field("filelength", std::int64_t{audio.FileLength});
    field("fileage", std::int64_t{audio.FileAge});
    field("volumelabel", TText(audio.VolumeLabel));
    field("title", TText(audio.Title));
    field("artist", TText(audio.Artist));
    field("album", TText(audio.Album));
    field("year", TText(audio.Year));
    field("comment", TText(audio.Comment));
    field("genre", std::int64_t{audio.Genre});
    field("genre_name", audio.GenreName());
    field("track", std::int64_t{audio.Track});
}

// The ID3v2 fields under their names, in the order of the ID3v1 fields.
constexpr std::pair<std::string_view, std::optional<std::string> TId3v2Fields::*> Id3v2Fields[] = {
    {"title", &TId3v2Fields::Title},     {"artist", &TId3v2Fields::Artist},
    {"album", &TId3v2Fields::Album},     {"year", &TId3v2Fields::Year},
    {"comment", &TId3v2Fields::Comment}, {"genre", &TId3v2Fields::Genre},
    {"track", &TId3v2Fields::Track},
};

// Writes `prefix`, `key` and "=" at `line`; gives the end. A line is built up this way and
// appended to the output in one piece.
char* StartLine(char* line, std::string_view prefix, std::string_view key)
{
    line = std::copy(prefix.begin(), prefix.end(), line);
    line = std::copy(key.begin(), key.end(), line);
    *line++ = '=';
    return line;
}

// Appends the file's block of key=value lines to `text`.
void AppendLines(const TFileAnalysis& analysis, std::string& text)
{
    // the longest key and the longest number fit with room to spare
    char line[64];
    VisitInfoFields(analysis.Audio, [&text, &line](std::string_view key, auto value) {
        char* end = StartLine(line, {}, key);
        if constexpr (std::is_same_v<decltype(value), std::int64_t>) {
            end = std::to_chars(end, std::end(line) - 1, value).ptr;
            *end++ = '\n';
            text.append(line, end);
        } else {
            text.append(line, end);
            AppendLineText(text, value);
            text += '\n';
        }
    });
    const std::optional<TId3v2Fields>& present = analysis.Id3v2.Fields;
    for (const auto& [key, member] : Id3v2Fields) {
        text.append(line, StartLine(line, "id3v2_", key));
        if (present && (*present).*member) {
            AppendLineText(text, *((*present).*member));
        }
        text += '\n';
    }
}

TJson JsonObject(const TFileAnalysis& analysis)
{
    TJson object = TJson::object();
    VisitInfoFields(analysis.Audio, [&object](std::string_view key, auto value) {
        if constexpr (std::is_same_v<decltype(value), std::int64_t>) {
            object[std::string(key)] = value;
        } else {
            object[std::string(key)] = JsonText(value);
        }
    });
    TJson& tag = object["id3v2"];
    if (const std::optional<TId3v2Fields>& fields = analysis.Id3v2.Fields) {
        for (const auto& [key, member] : Id3v2Fields) {
            const std::optional<std::string>& value = (*fields).*member;
            tag[std::string(key)] = value ? JsonText(*value) : TJson();
        }
    }
    return object;
}

} // namespace

int RunInfoCommand(const TCommandLine& line, std::ostream& out, std::ostream& err)
{
    const std::vector<std::string>& paths = line.Operands;
    if (paths.empty()) {
        return UsageError(err, *FindCommandSyntax("info"), "no file given");
    }

    const bool json = line.Has("--json");
    TJsonArrayWriter array(out, TJsonArrayWriter::Block);
    std::string text;
    // every file is opened once, for its analysis and its ID3v2 tag alike
    TAnalysisReadAhead::TOptions options;
    options.CodePage = line.CodePage;
    options.ReadId3v2 = true;
    TAnalysisReadAhead files(paths, options);
    std::size_t i = 0;
    for (const TFileAnalysis* analysis = files.Next(); analysis != nullptr;
         analysis = files.Next(), ++i) {
        if (json) {
            array.Add(JsonObject(*analysis));
            continue;
        }
        if (i > 0) {
            text += '\n';
        }
        AppendLines(*analysis, text);
        if (text.size() >= OutputBlock) {
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            text.clear();
        }
    }
    if (json) {
        array.Finish();
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return 0;
}
