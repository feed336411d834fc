#pragma once

#include <ostream>
#include <string>
#include <vector>

// Each command takes its arguments (without the command word) and returns the exit status:
// 0 done, 1 done with files not processed correctly (where a command says so), 2 usage error.
int RunInfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunFormatCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunLsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunExtractCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunHtmlCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunWriteCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunClearCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunRenameCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunCopyV2Command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
