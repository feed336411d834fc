#include "cli/commands.h"

int RunLsCommand(const std::vector<std::string>& /*args*/, std::ostream& /*out*/, std::ostream& err)
{
    err << "cantrel-cli: 'ls' is not available yet\n";
    return 2;
}
