#include "batch/tag_write.h"
#include "cli/commands.h"
#include "cli/write_command.h"

int RunClearCommand(const TCommandLine& line, std::ostream& out, std::ostream& err)
{
    if (line.Operands.empty()) {
        return UsageError(err, *FindCommandSyntax("clear"), "no file given");
    }
    const TFileStep step = [id3v2 = line.Has("--id3v2")](const std::string& path, const TYieldFn&) {
        return ClearTagOfFile(path, id3v2);
    };
    return RunFileCommand("clear", line.Operands, step, "cleared", line.Has("--json"), out, err);
}
