#include "cli/command_docs.h"
#include "cli/command_options.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>

namespace {

// The README lists the commands by hand: one "cantrel-cli NAME SYNOPSIS" line each, as the
// descriptions have them, and no other. The manual page frame keeps the mark the commands go to.
TEST(CommandDocs, HandWrittenTextsFollowTheDescriptions)
{
    const std::string readme = ReadBytes(CANTREL_SOURCE_DIR "/README.md");
    const auto count = [](const std::string& text, const std::string& part) {
        std::size_t found = 0;
        for (std::size_t pos = text.find(part); pos != std::string::npos;
             pos = text.find(part, pos + 1)) {
            ++found;
        }
        return found;
    };
    EXPECT_EQ(count(readme, "\n    cantrel-cli "), CommandSyntaxes().size());
    for (const TCommandSyntax& syntax : CommandSyntaxes()) {
        const std::string synopsis(syntax.Synopsis.substr(0, syntax.Synopsis.find('\n')));
        const std::string line = "\n    cantrel-cli " + std::string(syntax.Name) + " " + synopsis;
        EXPECT_NE(readme.find(line + "\n"), std::string::npos) << line;
    }
    const std::string frame = ReadBytes(CANTREL_SOURCE_DIR "/data/man/cantrel-cli.1");
    const std::string page = ManPageWithCommands(frame);
    EXPECT_EQ(page.find(ManCommandsMark), std::string::npos);
    EXPECT_EQ(count(page, "\n.TP\n\\fB"), CommandSyntaxes().size());
}

} // namespace
