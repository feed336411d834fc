#include "batch/tag_write.h"
#include "cli/commands.h"
#include "cli/help_option.h"
#include "cli/write_command.h"

namespace {

const char* const ClearUsage =
    "Usage: cantrel-cli clear FILE...\n"
    "\n"
    "Removes the ID3v1 tag from the end of each FILE, whatever its audio.\n"
    "\n"
    "  --           end of options: a FILE that starts with \"-\" follows\n"
    "  -h, --help   show this help\n"
    "\n"
    "Prints \"FILE<TAB>STATUS\" per file: cleared, unchanged (it had no tag) or failed:ERRNO\n"
    "(2: no such file).\n"
    "Exit status: 0 every file cleared or without a tag, 1 some file refused, 2 usage error.\n";

} // namespace

int RunClearCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (AsksForHelp(args)) {
        out << ClearUsage;
        return 0;
    }
    std::vector<std::string> files;
    if (const auto unknown = SplitOptions(args, {}, files)) {
        return UsageError(err, "clear", "unknown option '" + *unknown + "'", ClearUsage);
    }
    if (files.empty()) {
        return UsageError(err, "clear", "no file given", ClearUsage);
    }
    const TFileStep step = [](const std::string& path, const TYieldFn&) {
        return ClearTagOfFile(path);
    };
    return RunFileCommand("clear", files, step, "cleared", out, err);
}
