#include "cli/commands.h"

int RunHtmlCommand(const std::vector<std::string>& /*args*/, std::ostream& /*out*/,
                   std::ostream& err)
{
    err << "cantrel-cli: 'html' is not available yet\n";
    return 2;
}
