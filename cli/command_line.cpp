#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace {

const std::vector<std::string> NoValues;

// What the parser records for a flag; a flag given a value ("--json=1") records that value, and
// is refused.
constexpr std::string_view FlagSet = "true";

std::string CodePageList()
{
    std::string text = "  " + OptionTitle(CodePageOption) + "  ";
    for (const TTagCodePage& page : TagCodePages()) {
        text += ' ';
        text += page.Name;
    }
    return text + '\n';
}

// The arguments for the parser: "--opt=" becomes "--opt" and an empty value, which the parser
// would otherwise read as "--opt" taking the next argument. After the first "--" nothing is
// touched.
std::vector<std::string> SplitEmptyValues(const std::vector<std::string>& args)
{
    std::vector<std::string> split;
    const auto dashes = std::find(args.begin(), args.end(), "--");
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (it < dashes && it->starts_with("--") && it->size() > 3 && it->back() == '=' &&
            it->find('=') == it->size() - 1) {
            split.push_back(it->substr(0, it->size() - 1));
            split.emplace_back();
        } else {
            split.push_back(*it);
        }
    }
    return split;
}

} // namespace

struct TCommandLineReader
{
    static void Add(TCommandLine& line, std::string_view option, std::vector<std::string> values)
    {
        line.Given.emplace(std::string(option), std::move(values));
    }
};

bool TCommandLine::Has(std::string_view option) const
{
    return Given.find(option) != Given.end();
}

const std::vector<std::string>& TCommandLine::Values(std::string_view option) const
{
    const auto found = Given.find(option);
    return found == Given.end() ? NoValues : found->second;
}

std::optional<std::string> TCommandLine::Last(std::string_view option) const
{
    const std::vector<std::string>& values = Values(option);
    return values.empty() ? std::nullopt : std::optional(values.back());
}

TParsedCommand ParseCommandLine(const TCommandSyntax& command, const std::vector<std::string>& args)
{
    std::vector<TOptionSyntax> options = command.Options;
    for (const TOptionSyntax& common : CommonOptions(command)) {
        options.push_back(common);
    }
    CLI::App app;
    app.set_help_flag("-h,--help");
    app.allow_extras(); // an unknown option is reported below, in the command's own words
    std::vector<CLI::Option*> added;
    for (const TOptionSyntax& option : options) {
        std::string names(option.Names);
        added.push_back(option.Value.empty()
                            ? app.add_flag(names)
                            : app.add_option(names)->type_size(1)->expected(1)->multi_option_policy(
                                  CLI::MultiOptionPolicy::TakeAll));
    }
    CLI::Option* operands = app.add_option("operands")->expected(0, 1 << 24)->allow_extra_args();

    TParsedCommand parsed;
    std::vector<std::string> reversed = SplitEmptyValues(args);
    std::reverse(reversed.begin(), reversed.end());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        parsed.State = TParsedCommand::Help;
        return parsed;
    } catch (const CLI::ArgumentMismatch&) {
        // only the last argument can lack its value
        parsed.State = TParsedCommand::UsageError;
        const auto option = std::find_if(options.begin(), options.end(), [&](const auto& o) {
            return !args.empty() && LongName(o) == args.back();
        });
        parsed.Problem =
            option == options.end() || option->Missing.empty()
                ? "option '" + (args.empty() ? std::string() : args.back()) + "' needs a value"
                : std::string(option->Missing);
        return parsed;
    } catch (const CLI::ParseError& error) {
        parsed.State = TParsedCommand::UsageError;
        parsed.Problem = error.what();
        return parsed;
    }
    for (const std::string& extra : app.remaining()) {
        if (extra != "--") { // the end of the options itself
            parsed.State = TParsedCommand::UsageError;
            parsed.Problem = std::string(command.UnknownOption) + " '" + extra + "'" +
                             std::string(command.UnknownHint);
            return parsed;
        }
    }
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (added[i]->count() == 0) {
            continue;
        }
        std::vector<std::string> values = added[i]->results();
        const bool flagWithValue =
            options[i].Value.empty() &&
            std::any_of(values.begin(), values.end(), [](const auto& v) { return v != FlagSet; });
        if (flagWithValue) {
            parsed.State = TParsedCommand::UsageError;
            parsed.Problem = "option '" + std::string(LongName(options[i])) + "' takes no value";
            return parsed;
        }
        TCommandLineReader::Add(parsed.Line, LongName(options[i]), std::move(values));
    }
    parsed.Line.Operands = operands->results();

    if (const auto name = parsed.Line.Last(LongName(CodePageOption))) {
        const TTagCodePage* codePage = FindTagCodePage(*name);
        if (codePage == nullptr) {
            parsed.State = TParsedCommand::UsageError;
            parsed.Problem = "unknown code page '" + *name + "'; one of:\n" + CodePageList();
            parsed.ShowUsage = false;
            return parsed;
        }
        parsed.Line.CodePage = *codePage;
    }
    return parsed;
}

int UsageError(std::ostream& err, const TCommandSyntax& command, std::string_view problem)
{
    err << "cantrel-cli " << command.Name << ": " << problem << "\n\n" << CommandHelp(command);
    return 2;
}

int RunCommandLine(const TCommandSyntax& command, TCommandFn run,
                   const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const TParsedCommand parsed = ParseCommandLine(command, args);
    switch (parsed.State) {
    case TParsedCommand::Help:
        out << CommandHelp(command);
        return 0;
    case TParsedCommand::UsageError:
        if (!parsed.ShowUsage) {
            err << "cantrel-cli " << command.Name << ": " << parsed.Problem;
            return 2;
        }
        return UsageError(err, command, parsed.Problem);
    case TParsedCommand::Run:
        break;
    }
    return run(parsed.Line, out, err);
}

int RunCommandLine(std::string_view name, TCommandFn run, const std::vector<std::string>& args,
                   std::ostream& out, std::ostream& err)
{
    return RunCommandLine(*FindCommandSyntax(name), run, args, out, err);
}
