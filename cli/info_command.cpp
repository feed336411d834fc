#include "cli/commands.h"
#include "cli/help_option.h"
#include "cli/json_text.h"
#include "engine/analysis_read_ahead.h"
#include "engine/id3v2_tag.h"
#include "engine/mpeg_audio.h"

#include <cstdint>
#include <string_view>
#include <utility>
#include <variant>

namespace {

const char* const InfoUsage = "Usage: cantrel-cli info [--json] FILE...\n"
                              "\n"
                              "Analyses each file as the editor does and prints its stream data,\n"
                              "tag and file facts: key=value lines, one block per file with an\n"
                              "empty line between blocks, or with --json one JSON array.\n"
                              "Booleans are 0 or 1; duration is in seconds; fileage is the packed\n"
                              "DOS date and time of the last write. In key=value lines a value\n"
                              "is always one line: a backslash is written \\\\, a line feed \\n,\n"
                              "a tab \\t and any other control character \\xHH. Give -- before\n"
                              "file names that start with a dash.\n"
                              "The id3v2_ lines give the seven fields of the file's ID3v2 tag as\n"
                              "it holds them, empty when absent; in JSON the id3v2 object has\n"
                              "null for an absent field and is null for a file without a tag.\n";

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

void PrintJson(const TFields& fields, const TId3v2Reading& id3v2, std::ostream& out)
{
    out << "  {\n";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto& [key, value] = fields[i];
        out << "    " << JsonString(key) << ": ";
        if (const auto* number = std::get_if<std::int64_t>(&value)) {
            out << *number;
        } else {
            out << JsonString(std::get<std::string>(value));
        }
        out << ",\n";
    }
    out << "    \"id3v2\": ";
    if (!id3v2.Fields) {
        out << "null\n  }";
        return;
    }
    out << "{\n";
    const auto named = Id3v2Fields(*id3v2.Fields);
    for (std::size_t i = 0; i < named.size(); ++i) {
        const auto& [key, value] = named[i];
        out << "      " << JsonString(key) << ": " << (*value ? JsonString(**value) : "null")
            << (i + 1 < named.size() ? ",\n" : "\n");
    }
    out << "    }\n  }";
}

} // namespace

int RunInfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const TTagCodePage& codePage)
{
    if (AsksForHelp(args)) {
        out << InfoUsage;
        return 0;
    }
    bool json = false;
    std::vector<std::string> paths;
    if (const auto unknown = SplitOptions(args, {{"--json", &json}}, paths)) {
        return UsageError(err, "info", "unknown option '" + *unknown + "'", InfoUsage);
    }
    if (paths.empty()) {
        return UsageError(err, "info", "no file given", InfoUsage);
    }

    if (json) {
        out << "[\n";
    }
    // every file is opened once, for its analysis and its ID3v2 tag alike
    TAnalysisReadAhead::TOptions options;
    options.CodePage = codePage;
    options.ReadId3v2 = true;
    TAnalysisReadAhead files(paths, options);
    std::size_t i = 0;
    for (const TFileAnalysis* analysis = files.Next(); analysis != nullptr;
         analysis = files.Next(), ++i) {
        const TFields fields = InfoFields(analysis->Audio);
        const TId3v2Reading& id3v2 = analysis->Id3v2;
        if (json) {
            PrintJson(fields, id3v2, out);
            out << (i + 1 < paths.size() ? ",\n" : "\n");
        } else {
            if (i > 0) {
                out << '\n';
            }
            PrintLines(fields, id3v2, out);
        }
    }
    if (json) {
        out << "]\n";
    }
    return 0;
}
