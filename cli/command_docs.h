#pragma once

#include <string>
#include <string_view>

// The texts made at build time from the command descriptions, so that the manual and the shell
// completion always offer what the parser takes.

// The line of the manual page template that the commands replace.
inline constexpr std::string_view ManCommandsMark = ".\\\" (the commands are written here)";

// The manual page: `page` with its mark line replaced by one entry per command, with its
// options. A page without the mark comes back as it is.
std::string ManPageWithCommands(std::string_view page);

// The bash completion script of cantrel-cli.
std::string BashCompletion();
