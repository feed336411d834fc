#include "cli/commands.h"
#include "cli/json_output.h"
#include "engine/format_items.h"
#include "engine/mpeg_audio.h"
#include "engine/regional_settings.h"

int RunFormatCommand(const TCommandLine& line, std::ostream& out, std::ostream& err)
{
    const TCommandSyntax& syntax = *FindCommandSyntax("format");
    const std::vector<std::string>& operands = line.Operands;
    if (operands.size() < 2) {
        return UsageError(err, syntax,
                          operands.empty() ? "MACRO and FILE missing" : "FILE missing");
    }
    const auto locale = line.Last("--locale");
    if (locale && *locale != "C") {
        return UsageError(err, syntax,
                          "unsupported locale '" + *locale +
                              "': only C is supported; without --locale the current locale is "
                              "used");
    }
    const TRegionalSettings regional =
        locale ? TRegionalSettings{} : TRegionalSettings::FromProcessLocale();
    const std::string& macro = operands.front();
    const bool json = line.Has("--json");
    TJsonArrayWriter array(out);
    for (std::size_t i = 1; i < operands.size(); ++i) {
        // a fresh object per file: an analysis keeps the date of the previous file when the next
        // one is missing
        TMPEGAudio audio(line.CodePage);
        audio.SetFileName(operands[i]);
        const std::string text = FormatItems(audio, macro, regional);
        if (json) {
            array.Add(JsonText(text));
        } else {
            out << text << '\n';
        }
    }
    if (json) {
        array.Finish();
    }
    return 0;
}
