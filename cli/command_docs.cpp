#include "cli/command_docs.h"

#include "cli/command_options.h"

namespace {

// Text for roff: backslashes and dashes escaped, a line starting with a control character
// guarded, an empty line a vertical space.
std::string Roff(std::string_view text)
{
    std::string roff;
    bool lineStart = true;
    for (const char c : text) {
        if (lineStart && (c == '.' || c == '\'')) {
            roff += "\\&";
        }
        if (lineStart && c == '\n') {
            roff += ".sp";
        }
        roff += c == '\\' ? "\\e" : c == '-' ? "\\-" : std::string(1, c);
        lineStart = c == '\n';
    }
    return roff;
}

std::string OneLine(std::string_view text)
{
    std::string line;
    for (const char c : text) {
        if (c != '\n') {
            line += c;
        } else if (!line.ends_with(' ')) {
            line += ' ';
        }
    }
    while (line.find("  ") != std::string::npos) {
        line.erase(line.find("  "), 1);
    }
    return line;
}

std::string ManCommand(const TCommandSyntax& command)
{
    std::string entry = ".TP\n\\fB" + Roff(command.Name) + "\\fR " +
                        Roff(OneLine(command.Synopsis)) + "\n" + Roff(command.Intro) + "\n";
    std::vector<TOptionSyntax> options = command.Options;
    for (const TOptionSyntax& common : CommonOptions(command)) {
        options.push_back(common);
    }
    entry += ".RS\n";
    for (const TOptionSyntax& option : options) {
        entry += ".TP\n.B " + Roff(OptionTitle(option)) + "\n" + Roff(OneLine(option.Help)) + "\n";
    }
    entry += ".RE\n";
    if (!command.Outro.empty()) {
        entry += ".IP\n" + Roff(command.Outro) + "\n";
    }
    return entry;
}

std::string Words(const std::vector<TOptionSyntax>& options)
{
    std::string words;
    for (const TOptionSyntax& option : options) {
        words += (words.empty() ? "" : " ") + std::string(LongName(option));
    }
    return words;
}

} // namespace

std::string ManPageWithCommands(std::string_view page)
{
    const std::size_t mark = page.find(ManCommandsMark);
    if (mark == std::string_view::npos) {
        return std::string(page);
    }
    std::string commands;
    for (const TCommandSyntax& command : CommandSyntaxes()) {
        commands += ManCommand(command);
    }
    std::string result(page.substr(0, mark));
    result += commands;
    const std::size_t end = page.find('\n', mark);
    if (end != std::string_view::npos) {
        result += page.substr(end + 1);
    }
    return result;
}

std::string BashCompletion()
{
    std::string names;
    std::string valueCases;
    std::string optionCases;
    std::string operandCases;
    for (const TCommandSyntax& command : CommandSyntaxes()) {
        const std::string name(command.Name);
        names += (names.empty() ? "" : " ") + name;
        std::vector<TOptionSyntax> options = command.Options;
        for (const TOptionSyntax& common : CommonOptions(command)) {
            options.push_back(common);
        }
        std::string plainValues;
        for (const TOptionSyntax& option : options) {
            if (option.Value.empty()) {
                continue;
            }
            const std::string longName(LongName(option));
            if (option.Complete == "<dir>") {
                valueCases += "        " + name + ":" + longName + ") _filedir -d; return ;;\n";
            } else if (!option.Complete.empty()) {
                valueCases += "        " + name + ":" + longName + ") COMPREPLY=($(compgen -W \"" +
                              std::string(option.Complete) + "\" -- \"$cur\")); return ;;\n";
            } else {
                plainValues += (plainValues.empty() ? "" : " | ") + name + ":" + longName;
            }
        }
        if (!plainValues.empty()) {
            valueCases += "        " + plainValues + ") return ;;\n";
        }
        optionCases += "        " + name + ") options=\"" + Words(options) + "\" ;;\n";
        const char* operands = command.Operands == TOperandKind::Folder    ? "_filedir -d"
                               : command.Operands == TOperandKind::Nothing ? ":"
                                                                           : "_filedir mp3";
        operandCases += "        " + name + ") " + operands + " ;;\n";
    }
    return "# bash completion for cantrel-cli (made from its option descriptions at build time)\n"
           "_cantrel_cli()\n"
           "{\n"
           "    local cur prev words cword\n"
           "    _init_completion || return\n"
           "\n"
           "    if ((cword == 1)); then\n"
           "        COMPREPLY=($(compgen -W \"" +
           names +
           " --help\" -- \"$cur\"))\n"
           "        return\n"
           "    fi\n"
           "    local command=${words[1]}\n"
           "    case $command:$prev in\n" +
           valueCases +
           "    esac\n"
           "    local options=\n"
           "    case $command in\n" +
           optionCases +
           "    esac\n"
           "    if [[ $cur == -* ]]; then\n"
           "        COMPREPLY=($(compgen -W \"$options --help --\" -- \"$cur\"))\n"
           "        return\n"
           "    fi\n"
           "    case $command in\n" +
           operandCases +
           "    esac\n"
           "} && complete -F _cantrel_cli cantrel-cli\n";
}
