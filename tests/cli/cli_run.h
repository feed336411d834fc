#pragma once

#include "cli/commands.h"

#include <sstream>

// What one command printed and returned.
struct TCliRun
{
    int Status;
    std::string Out;
    std::string Err;
};

using TCliCommand = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

inline TCliRun RunCli(TCliCommand command, const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = command(args, out, err);
    return {status, out.str(), err.str()};
}
