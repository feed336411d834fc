#pragma once

#include <string>
#include <string_view>
#include <vector>

// What cantrel-cli knows of its commands and their options. The parser, every command's help,
// the manual page and the bash completion are made from these descriptions, so an option is
// added in one place: a row in its command's list in command_syntax.cpp.

// One option of a command.
struct TOptionSyntax
{
    // The names as the parser takes them: "--title", or "-r,--recursive" (the long name last).
    std::string_view Names;
    // What the option takes, as the help shows it ("TEXT", "DIR"); empty for an option that
    // takes no value.
    std::string_view Value;
    // The help text; "\n" starts a further line.
    std::string_view Help;
    // The usage error when the value is missing; empty for "option '--NAME' needs a value".
    std::string_view Missing = {};
    // What the shell completes for the value: words separated by spaces, "<dir>" for a folder,
    // empty for nothing.
    std::string_view Complete = {};
};

// What the shell completes for a command's operands.
enum class TOperandKind
{
    Mp3Files,
    Folder,
    Nothing
};

// One command: its synopsis, the texts around its options, its options.
struct TCommandSyntax
{
    std::string_view Name;
    // What follows "cantrel-cli NAME" in the usage line.
    std::string_view Synopsis;
    // One line for the list of commands.
    std::string_view Summary;
    // The help text before the options, and after them; either may be empty.
    std::string_view Intro;
    std::string_view Outro;
    // What "--" makes of the next argument, as the help says it.
    std::string_view AfterDashes;
    std::vector<TOptionSyntax> Options;
    // Whether the command reads or writes tags and so takes --codepage.
    bool TakesCodePage = false;
    TOperandKind Operands = TOperandKind::Mp3Files;
    // The start of the usage error for an option the command does not know, and what it adds.
    std::string_view UnknownOption = "unknown option";
    std::string_view UnknownHint = {};
};

// Every command, in the order the usage lists them.
const std::vector<TCommandSyntax>& CommandSyntaxes();

// The command of that name, or nullptr.
const TCommandSyntax* FindCommandSyntax(std::string_view name);

// The option's long name ("--recursive" of "-r,--recursive").
std::string_view LongName(const TOptionSyntax& option);

// The option as the help and the manual show it: "-r, --recursive", "--mask MASK".
std::string OptionTitle(const TOptionSyntax& option);

// The options a command takes besides its own: --codepage where it reads or writes tags.
std::vector<TOptionSyntax> CommonOptions(const TCommandSyntax& command);

// "--codepage NAME": its help lists the code pages there are.
extern const TOptionSyntax CodePageOption;

// The whole help of a command, as `cantrel-cli COMMAND --help` prints it.
std::string CommandHelp(const TCommandSyntax& command);

// The usage of cantrel-cli itself, with the list of commands.
std::string ProgramUsage();
