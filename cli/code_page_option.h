#pragma once

#include "cli/commands.h"

#include <string>
#include <vector>

using TCommandFn = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&,
                           const TTagCodePage&);

// Runs a command that reads or writes tags with "--codepage NAME" (or "--codepage=NAME") taken
// out of its arguments: the tags are read and written in that code page (the default without the
// option). Only arguments before "--" count as options. A
// missing or unknown name is a usage error (status 2) and runs nothing. The command's help
// gains a line on the option.
int RunWithCodePage(const char* command, TCommandFn run, const std::vector<std::string>& args,
                    std::ostream& out, std::ostream& err);
