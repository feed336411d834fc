#include "cli/command_line.h"
#include "cli/commands.h"
#include "engine/block_reader.h"

#include <clocale>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct TCommandEntry
{
    std::string_view Name;
    TCommandFn Run;
};

constexpr TCommandEntry Commands[] = {
    {"info", RunInfoCommand},       {"format", RunFormatCommand}, {"ls", RunLsCommand},
    {"extract", RunExtractCommand}, {"html", RunHtmlCommand},     {"write", RunWriteCommand},
    {"clear", RunClearCommand},     {"rename", RunRenameCommand}, {"copy-v2", RunCopyV2Command},
    {"copy-v1", RunCopyV1Command},  {"undo", RunUndoCommand},
};

} // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    KeepFreedBuffers();
    const std::string_view command = argc < 2 ? "" : argv[1];
    if (argc < 2 || command == "--help" || command == "-h") {
        (argc < 2 ? std::cerr : std::cout) << ProgramUsage();
        return argc < 2 ? 2 : 0;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const TCommandEntry& entry : Commands) {
        if (entry.Name == command) {
            return RunCommandLine(entry.Name, entry.Run, args, std::cout, std::cerr);
        }
    }
    std::cerr << "cantrel-cli: unknown command '" << command << "'\n\n" << ProgramUsage();
    return 2;
}
