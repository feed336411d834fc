#include "cli/commands.h"

int RunExtractCommand(const std::vector<std::string>& /*args*/, std::ostream& /*out*/,
                      std::ostream& err)
{
    err << "cantrel-cli: 'extract' is not available yet\n";
    return 2;
}
