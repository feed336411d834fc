#pragma once

#include "cli/command_line.h"

#include <ostream>
#include <string>
#include <string_view>

// Each command takes its parsed arguments (see command_options.h for what each accepts) and
// returns the exit status: 0 done, 1 done with files not processed correctly (where a command
// says so), 2 usage error.
int RunInfoCommand(const TCommandLine& line, std::ostream& out, std::ostream& err);
int RunFormatCommand(const TCommandLine& line, std::ostream& out, std::ostream& err);
int RunLsCommand(const TCommandLine& line, std::ostream& out, std::ostream& err);
int RunExtractCommand(const TCommandLine& line, std::ostream& out, std::ostream& err);
int RunHtmlCommand(const TCommandLine& line, std::ostream& out, std::ostream& err);
int RunWriteCommand(const TCommandLine& line, std::ostream& out, std::ostream& err);
int RunClearCommand(const TCommandLine& line, std::ostream& out, std::ostream& err);
int RunRenameCommand(const TCommandLine& line, std::ostream& out, std::ostream& err);
int RunCopyV2Command(const TCommandLine& line, std::ostream& out, std::ostream& err);
int RunCopyV1Command(const TCommandLine& line, std::ostream& out, std::ostream& err);
int RunUndoCommand(const TCommandLine& line, std::ostream& out, std::ostream& err);

class TJournalSession;

// The undo journal of the commands that change files: the user's state folder, from the
// environment.
std::string CommandJournalFolder();
// After a batch: when the journal could not be written, says so on `err` and returns true (the
// batch stopped there).
bool ReportJournalFailure(std::string_view command, const TJournalSession& journal,
                          std::ostream& err);
