#include "cli/commands.h"

int RunInfoCommand(const std::vector<std::string>& /*args*/, std::ostream& /*out*/,
                   std::ostream& err)
{
    err << "cantrel-cli: 'info' is not available yet\n";
    return 2;
}
