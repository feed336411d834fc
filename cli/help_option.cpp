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
