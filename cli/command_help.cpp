#include "cli/command_options.h"
#include "engine/code_page.h"

#include <algorithm>

namespace {

constexpr std::size_t MinHelpColumn = 14;

void AppendIndented(std::string& text, std::string_view lines, std::size_t column)
{
    for (std::size_t pos = 0; pos <= lines.size();) {
        const std::size_t end = std::min(lines.find('\n', pos), lines.size());
        if (pos > 0) {
            text.append(column, ' ');
        }
        text.append(lines.substr(pos, end - pos));
        text += '\n';
        pos = end + 1;
    }
}

// "  NAMES  HELP" lines, the help of every option starting in one column.
void AppendOptions(std::string& text, const std::vector<TOptionSyntax>& options)
{
    std::size_t width = MinHelpColumn;
    for (const TOptionSyntax& option : options) {
        width = std::max(width, OptionTitle(option).size() + 4);
    }
    for (const TOptionSyntax& option : options) {
        const std::string title = OptionTitle(option);
        text += "  " + title + std::string(width - 2 - title.size(), ' ');
        AppendIndented(text, option.Help, width);
    }
}

// The names of the code pages separated by spaces; with `lineWidth` a line feed instead of the
// space that would make a line longer.
std::string CodePageNames(std::size_t lineWidth = std::string::npos)
{
    std::string names;
    std::size_t lineStart = 0;
    for (const TTagCodePage& page : TagCodePages()) {
        const std::string_view name = page.Name;
        if (!names.empty() && names.size() + 1 + name.size() - lineStart > lineWidth) {
            names += '\n';
            lineStart = names.size();
        } else if (!names.empty()) {
            names += ' ';
        }
        names += name;
    }
    return names;
}

} // namespace

const TOptionSyntax CodePageOption = {"--codepage", "NAME", "code page of the tags"};

std::string_view LongName(const TOptionSyntax& option)
{
    const std::size_t comma = option.Names.rfind(',');
    return comma == std::string_view::npos ? option.Names : option.Names.substr(comma + 1);
}

std::string OptionTitle(const TOptionSyntax& option)
{
    std::string title;
    for (std::size_t pos = 0; pos <= option.Names.size();) {
        const std::size_t end = std::min(option.Names.find(',', pos), option.Names.size());
        title += (pos > 0 ? ", " : "") + std::string(option.Names.substr(pos, end - pos));
        pos = end + 1;
    }
    if (!option.Value.empty()) {
        title += " " + std::string(option.Value);
    }
    return title;
}

std::vector<TOptionSyntax> CommonOptions(const TCommandSyntax& command)
{
    if (!command.TakesCodePage) {
        return {};
    }
    // the code pages there are: listed in the help, offered by the completion
    static const std::string help = std::string(CodePageOption.Help) + " (default " +
                                    DefaultTagCodePage.Name + "), one of:\n" + CodePageNames(60);
    static const std::string names = CodePageNames();
    TOptionSyntax codePage = CodePageOption;
    codePage.Help = help;
    codePage.Complete = names;
    return {codePage};
}

std::string CommandHelp(const TCommandSyntax& command)
{
    std::string text = "Usage: cantrel-cli " + std::string(command.Name) + " ";
    AppendIndented(text, command.Synopsis, 0);
    text += '\n';
    if (!command.Intro.empty()) {
        AppendIndented(text, command.Intro, 0);
        text += '\n';
    }
    std::vector<TOptionSyntax> options = command.Options;
    for (const TOptionSyntax& common : CommonOptions(command)) {
        options.push_back(common);
    }
    options.push_back({"--", "", command.AfterDashes});
    options.push_back({"-h,--help", "", "show this help"});
    text += "Options:\n";
    AppendOptions(text, options);
    if (!command.Outro.empty()) {
        text += '\n';
        AppendIndented(text, command.Outro, 0);
    }
    return text;
}

std::string ProgramUsage()
{
    constexpr std::size_t SummaryColumn = 35;
    std::string text = "Usage: cantrel-cli COMMAND [OPTIONS] ...\n\nCommands:\n";
    std::vector<std::string_view> takeCodePage;
    for (const TCommandSyntax& command : CommandSyntaxes()) {
        // a synopsis of several lines is cut after the first
        const std::size_t lineEnd = command.Synopsis.find('\n');
        std::string line = "  " + std::string(command.Name) + " " +
                           std::string(command.Synopsis.substr(0, lineEnd)) +
                           (lineEnd == std::string_view::npos ? "" : " ...");
        text += line.size() < SummaryColumn ? line + std::string(SummaryColumn - line.size(), ' ')
                                            : line + "\n" + std::string(SummaryColumn, ' ');
        text += std::string(command.Summary) + "\n";
        if (command.TakesCodePage) {
            takeCodePage.push_back(command.Name);
        }
    }
    std::string names;
    for (std::size_t i = 0; i < takeCodePage.size(); ++i) {
        names += i == 0 ? "" : i + 1 == takeCodePage.size() ? " and " : ", ";
        names += takeCodePage[i];
    }
    text += "\n" + names + " read and write tags in the\ncode page given by --codepage NAME " +
            "(default " + DefaultTagCodePage.Name + ").\n" +
            "Run 'cantrel-cli COMMAND --help' for the options of a command.\n";
    return text;
}
