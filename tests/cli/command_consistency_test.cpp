#include "cli/commands.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

using TCommand = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

const struct
{
    const char* Name;
    TCommand Run;
} Commands[] = {{"info", RunInfoCommand},
                {"format", RunFormatCommand},
                {"ls", RunLsCommand},
                {"extract", RunExtractCommand},
                {"html", RunHtmlCommand}};

// Every command answers help and a wrong option alike: help on standard output with status 0
// wherever --help stands, a message naming the command with status 2 otherwise.
TEST(Commands, HelpAndUsageErrorsAlike)
{
    for (const auto& command : Commands) {
        const std::string usage = std::string("Usage: cantrel-cli ") + command.Name;
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"--help"}, {"--bogus", "-h"}}) {
            std::ostringstream out;
            std::ostringstream err;
            const int code = command.Run(args, out, err);
            EXPECT_EQ(code, 0) << command.Name << " " << args.front();
            EXPECT_EQ(out.str().rfind(usage, 0), 0u) << command.Name << " " << args.front();
            EXPECT_TRUE(err.str().empty()) << command.Name;
        }
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(command.Run({"--bogus"}, out, err), 2) << command.Name;
        EXPECT_EQ(err.str().rfind(std::string("cantrel-cli ") + command.Name +
                                      ": unknown option "
                                      "'--bogus'",
                                  0),
                  0u)
            << err.str();
    }
}

TEST(Commands, HelpAsAnOptionValueIsAValue)
{
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunExtractCommand({"--sep", "-h"}, out, err), 2); // no file given
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(RunHtmlCommand({"--templates", "-h"}, out, err), 2);
    EXPECT_EQ(out.str(), "");
}

} // namespace
