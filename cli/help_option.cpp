#include "cli/help_option.h"

#include <algorithm>

bool AsksForHelp(const std::vector<std::string>& args,
                 std::initializer_list<std::string_view> optionsWithValue)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--") {
            return false;
        }
        if (args[i] == "--help" || args[i] == "-h") {
            return true;
        }
        if (std::find(optionsWithValue.begin(), optionsWithValue.end(), args[i]) !=
            optionsWithValue.end()) {
            ++i;
        }
    }
    return false;
}

std::optional<std::string>
SplitOptions(const std::vector<std::string>& args,
             std::initializer_list<std::pair<std::string_view, bool*>> flags,
             std::vector<std::string>& operands)
{
    bool optionsDone = false;
    for (const std::string& arg : args) {
        if (optionsDone || arg.size() < 2 || arg[0] != '-') {
            operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsDone = true;
            continue;
        }
        const auto flag = std::find_if(flags.begin(), flags.end(),
                                       [&arg](const auto& entry) { return entry.first == arg; });
        if (flag == flags.end()) {
            return arg;
        }
        *flag->second = true;
    }
    return std::nullopt;
}

int UsageError(std::ostream& err, std::string_view command, std::string_view problem,
               std::string_view usage)
{
    err << "cantrel-cli " << command << ": " << problem << "\n\n" << usage;
    return 2;
}
