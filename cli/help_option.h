#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// True when "-h" or "--help" comes before any "--", not as the value of one of
// `optionsWithValue`: every command then shows its help and does nothing else, whatever the other
// arguments are.
bool AsksForHelp(const std::vector<std::string>& args,
                 std::initializer_list<std::string_view> optionsWithValue = {});
