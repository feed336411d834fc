#pragma once

#include "cli/code_page_option.h"
#include "cli/commands.h"

#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

// What one command printed and returned.
struct TCliRun
{
    int Status;
    std::string Out;
    std::string Err;
};

using TCliCommand = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

// Each command's function: the first for the commands that take --codepage, else the second.
inline const std::map<std::string, std::pair<TCommandFn, TCliCommand>> CliCommands = {
    {"info", {RunInfoCommand, nullptr}},      {"format", {RunFormatCommand, nullptr}},
    {"ls", {nullptr, RunLsCommand}},          {"extract", {RunExtractCommand, nullptr}},
    {"html", {RunHtmlCommand, nullptr}},      {"write", {RunWriteCommand, nullptr}},
    {"clear", {nullptr, RunClearCommand}},    {"rename", {RunRenameCommand, nullptr}},
    {"copy-v2", {RunCopyV2Command, nullptr}}, {"undo", {nullptr, RunUndoCommand}}};

// Runs the command as cantrel-cli runs it.
inline TCliRun RunCommand(const std::string& name, const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const auto& [tagged, plain] = CliCommands.at(name);
    const int status = tagged != nullptr ? RunWithCodePage(name.c_str(), tagged, args, out, err)
                                         : plain(args, out, err);
    return {status, out.str(), err.str()};
}
