#pragma once

#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// True when "-h" or "--help" comes before any "--", not as the value of one of
// `optionsWithValue`: every command then shows its help and does nothing else, whatever the other
// arguments are.
bool AsksForHelp(const std::vector<std::string>& args,
                 std::initializer_list<std::string_view> optionsWithValue = {});

// Writes "cantrel-cli COMMAND: PROBLEM", an empty line and the command's usage to `err`;
// returns 2, the exit status of a usage error.
int UsageError(std::ostream& err, std::string_view command, std::string_view problem,
               std::string_view usage);

// Splits the arguments of a command whose options take no value: before "--", an argument of two
// or more characters that starts with "-" is an option and sets its flag in `flags`; every other
// argument is an operand, in order. The first option that is not in `flags`, if any (the command
// then stops with a usage error).
std::optional<std::string>
SplitOptions(const std::vector<std::string>& args,
             std::initializer_list<std::pair<std::string_view, bool*>> flags,
             std::vector<std::string>& operands);
