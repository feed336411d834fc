#include "cli/commands.h"

int RunFormatCommand(const std::vector<std::string>& /*args*/, std::ostream& /*out*/,
                     std::ostream& err)
{
    err << "cantrel-cli: 'format' is not available yet\n";
    return 2;
}
