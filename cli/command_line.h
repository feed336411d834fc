#pragma once

#include "cli/command_options.h"
#include "engine/code_page.h"

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// A command's arguments as the parser read them.
class TCommandLine
{
public:
    // Whether the option was given (a flag, or an option with any value).
    bool Has(std::string_view option) const;
    // Every value of the option in the order given; empty when it was not given.
    const std::vector<std::string>& Values(std::string_view option) const;
    // The last value given, or nothing.
    std::optional<std::string> Last(std::string_view option) const;

    // The operands in order: the arguments that are no option nor an option's value.
    std::vector<std::string> Operands;
    // The code page of --codepage, or the default.
    TTagCodePage CodePage = DefaultTagCodePage;

private:
    friend struct TCommandLineReader;
    std::map<std::string, std::vector<std::string>, std::less<>> Given;
};

// What reading the arguments came to.
struct TParsedCommand
{
    enum TState
    {
        Run,
        Help,
        UsageError
    } State = Run;
    TCommandLine Line;
    // For a usage error: the message, and whether the command's usage follows it (the list of
    // code pages follows an unknown code page instead).
    std::string Problem;
    bool ShowUsage = true;
};

// Reads a command's arguments the GNU way: "--opt value" and "--opt=value", short options such
// as "-r", options and operands in any order, "--" ending the options, and "-h" or "--help"
// wherever it stands (unless as an option's value) asking for help.
TParsedCommand ParseCommandLine(const TCommandSyntax& command,
                                const std::vector<std::string>& args);

// Writes "cantrel-cli COMMAND: PROBLEM", an empty line and the command's help to `err`; returns
// 2, the exit status of a usage error.
int UsageError(std::ostream& err, const TCommandSyntax& command, std::string_view problem);

// A command run on the arguments it was given.
using TCommandFn = int (*)(const TCommandLine& line, std::ostream& out, std::ostream& err);

// Parses the arguments of `command` and runs `run` on them: the help (status 0) or a usage error
// (status 2) instead where the arguments ask for it.
int RunCommandLine(const TCommandSyntax& command, TCommandFn run,
                   const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The same for the command of that name (which must exist): for callers in the same process.
int RunCommandLine(std::string_view name, TCommandFn run, const std::vector<std::string>& args,
                   std::ostream& out, std::ostream& err);
