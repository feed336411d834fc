#pragma once

#include "engine/code_page.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// Each command takes its arguments (without the command word) and returns the exit status:
// 0 done, 1 done with files not processed correctly (where a command says so), 2 usage error.
// The commands that read or write tags take the code page they are read and written in; their
// three-argument forms use the default code page.
int RunInfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const TTagCodePage& codePage);
int RunFormatCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     const TTagCodePage& codePage);
int RunLsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunExtractCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                      const TTagCodePage& codePage);
int RunHtmlCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const TTagCodePage& codePage);
int RunWriteCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const TTagCodePage& codePage);
int RunClearCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunRenameCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     const TTagCodePage& codePage);

int RunCopyV2Command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     const TTagCodePage& codePage);

inline int RunInfoCommand(const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err)
{
    return RunInfoCommand(args, out, err, DefaultTagCodePage);
}
inline int RunFormatCommand(const std::vector<std::string>& args, std::ostream& out,
                            std::ostream& err)
{
    return RunFormatCommand(args, out, err, DefaultTagCodePage);
}
inline int RunExtractCommand(const std::vector<std::string>& args, std::ostream& out,
                             std::ostream& err)
{
    return RunExtractCommand(args, out, err, DefaultTagCodePage);
}
inline int RunHtmlCommand(const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err)
{
    return RunHtmlCommand(args, out, err, DefaultTagCodePage);
}
inline int RunWriteCommand(const std::vector<std::string>& args, std::ostream& out,
                           std::ostream& err)
{
    return RunWriteCommand(args, out, err, DefaultTagCodePage);
}
inline int RunRenameCommand(const std::vector<std::string>& args, std::ostream& out,
                            std::ostream& err)
{
    return RunRenameCommand(args, out, err, DefaultTagCodePage);
}
inline int RunCopyV2Command(const std::vector<std::string>& args, std::ostream& out,
                            std::ostream& err)
{
    return RunCopyV2Command(args, out, err, DefaultTagCodePage);
}
int RunUndoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

class TJournalSession;

// The undo journal of the commands that change files: the user's state folder, from the
// environment.
std::string CommandJournalFolder();
// After a batch: when the journal could not be written, says so on `err` and returns true (the
// batch stopped there).
bool ReportJournalFailure(std::string_view command, const TJournalSession& journal,
                          std::ostream& err);
