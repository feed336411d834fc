#pragma once

#include "engine/code_page.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// Each command takes its arguments (without the command word) and returns the exit status:
// 0 done, 1 done with files not processed correctly (where a command says so), 2 usage error.
// The commands that read or write tags take the code page they are read and written in.
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

int RunUndoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

class TJournalSession;

// The undo journal of the commands that change files: the user's state folder, from the
// environment.
std::string CommandJournalFolder();
// After a batch: when the journal could not be written, says so on `err` and returns true (the
// batch stopped there).
bool ReportJournalFailure(std::string_view command, const TJournalSession& journal,
                          std::ostream& err);
