#pragma once

#include <string>
#include <string_view>

enum class TCaseMode
{
    cmNone,
    cmLower,
    cmUpper,
    cmCapitalize,
};

// The value in the case mode. Only the ASCII letters change; every other byte, accented letters
// included, stays. Capitalize makes the first letter of each word upper case and the others
// lower case, where only the space separates words: "hello WORLD-foo" gives "Hello World-foo".
std::string ApplyCase(std::string_view value, TCaseMode mode);
