#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/line_text.h"
#include "engine/analysis_read_ahead.h"
#include "engine/id3v2_tag.h"
#include "engine/mpeg_audio.h"

#include <cstdint>
#include <string_view>
#include <utility>
#include <variant>

namespace {

using TValue = std::variant<std::int64_t, std::string>;
using TFields = std::vector<std::pair<std::string_view, TValue>>;

// The fields in the order scripts read them; keep it stable.
TFields InfoFields(const TMPEGAudio& audio)
{
    const auto flag = [](bool value) { return TValue(std::int64_t{value ? 1 : 0}); };
    const auto number = [](std::int64_t value) { return TValue(value); };
    const auto text = [](std::string_view value) { return TValue(std::string(value)); };
    return {
        {"file", text(audio.FileName)},
        {"valid", flag(audio.IsValid())},
        {"version", number(audio.Version)},
        {"version_name", text(audio.VersionName())},
        {"layer", number(audio.Layer)},
        {"layer_name", text(audio.LayerName())},
        {"samplerate", number(audio.SampleRate)},
        {"bitrate", number(audio.BitRate)},
        {"mode", number(audio.Mode)},
        {"mode_name", text(audio.ModeName())},
        {"copyright", flag(audio.Copyright)},
        {"original", flag(audio.Original)},
        {"errorprotection", flag(audio.ErrorProtection)},
        {"padding", flag(audio.Padding)},
        {"framelength", number(audio.FrameLength)},
        {"duration", number(audio.Duration)},
        {"filelength", number(audio.FileLength)},
        {"fileage", number(audio.FileAge)},
        {"volumelabel", text(audio.VolumeLabel)},
        {"title", text(audio.Title)},
        {"artist", text(audio.Artist)},
        {"album", text(audio.Album)},
        {"year", text(audio.Year)},
        {"comment", text(audio.Comment)},
        {"genre", number(audio.Genre)},
        {"genre_name", text(audio.GenreName())},
        {"track", number(audio.Track)},
    };
}

// The ID3v2 fields under their names, in the order of the ID3v1 fields.
std::vector<std::pair<std::string_view, const std::optional<std::string>*>>
Id3v2Fields(const TId3v2Fields& fields)
{
    return {{"title", &fields.Title}, {"artist", &fields.Artist},   {"album", &fields.Album},
            {"year", &fields.Year},   {"comment", &fields.Comment}, {"genre", &fields.Genre},
            {"track", &fields.Track}};
}

void PrintLines(const TFields& fields, const TId3v2Reading& id3v2, std::ostream& out)
{
    for (const auto& [key, value] : fields) {
        out << key << '=';
        if (const auto* number = std::get_if<std::int64_t>(&value)) {
            out << *number;
        } else {
            out << LineText(std::get<std::string>(value));
        }
        out << '\n';
    }
    const TId3v2Fields present = id3v2.Fields.value_or(TId3v2Fields{});
    for (const auto& [key, value] : Id3v2Fields(present)) {
        out << "id3v2_" << key << '=' << LineText(value->value_or("")) << '\n';
    }
}

TJson JsonObject(const TFields& fields, const TId3v2Reading& id3v2)
{
    TJson object = TJson::object();
    for (const auto& [key, value] : fields) {
        const auto* number = std::get_if<std::int64_t>(&value);
        object[std::string(key)] =
            number != nullptr ? TJson(*number) : JsonText(std::get<std::string>(value));
    }
    TJson& tag = object["id3v2"];
    if (id3v2.Fields) {
        for (const auto& [key, value] : Id3v2Fields(*id3v2.Fields)) {
            tag[std::string(key)] = *value ? JsonText(**value) : TJson();
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
    // every file is opened once, for its analysis and its ID3v2 tag alike
    TAnalysisReadAhead::TOptions options;
    options.CodePage = line.CodePage;
    options.ReadId3v2 = true;
    TAnalysisReadAhead files(paths, options);
    std::size_t i = 0;
    for (const TFileAnalysis* analysis = files.Next(); analysis != nullptr;
         analysis = files.Next(), ++i) {
        const TFields fields = InfoFields(analysis->Audio);
        const TId3v2Reading& id3v2 = analysis->Id3v2;
        if (json) {
            array.Add(JsonObject(fields, id3v2));
        } else {
            if (i > 0) {
                out << '\n';
            }
            PrintLines(fields, id3v2, out);
        }
    }
    if (json) {
        array.Finish();
    }
    return 0;
}
