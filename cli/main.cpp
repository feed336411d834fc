#include "cli/code_page_option.h"
#include "cli/commands.h"

#include <clocale>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

const char* const Usage =
    "Usage: cantrel-cli COMMAND [OPTIONS] ...\n"
    "\n"
    "Commands:\n"
    "  info [--json] FILE...            analyse MP3 files: stream data, tag and file facts\n"
    "  format [--json] [--locale C] MACRO FILE...\n"
    "                                   expand a file-name macro for each file\n"
    "  ls [--recursive] [--mask MASK] [--events] FOLDER\n"
    "                                   list the files a folder scan reports\n"
    "  extract [OPTIONS] FILE...        fill tags from file names with a TAG Formula\n"
    "  html [--templates DIR] --target DIR FILE...\n"
    "                                   write an HTML catalogue of the files\n"
    "  write [--title T] [--artist A] ... FILE...\n"
    "                                   write the given tag fields, keep the others\n"
    "  clear FILE...                    remove the tags\n"
    "  rename [--limit-64] [--dry-run] [--json] MACRO FILE...\n"
    "                                   rename files from their tags with a macro\n"
    "  copy-v2 [--dry-run] [--json] FILE...\n"
    "                                   write the ID3v1 tags from the ID3v2 tags\n"
    "  undo [--list] [--dry-run] [--json] [N]\n"
    "                                   take back the last batch of changes (or batch N)\n"
    "\n"
    "info, format, extract, html, write, rename and copy-v2 read and write tags in the code\n"
    "page given by --codepage NAME (default WINDOWS-1252).\n"
    "Run 'cantrel-cli COMMAND --help' for the options of a command.\n";

} // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        (argc < 2 ? std::cerr : std::cout) << Usage;
        return argc < 2 ? 2 : 0;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "info") {
        return RunWithCodePage("info", RunInfoCommand, args, std::cout, std::cerr);
    }
    if (command == "format") {
        return RunWithCodePage("format", RunFormatCommand, args, std::cout, std::cerr);
    }
    if (command == "ls") {
        return RunLsCommand(args, std::cout, std::cerr);
    }
    if (command == "extract") {
        return RunWithCodePage("extract", RunExtractCommand, args, std::cout, std::cerr);
    }
    if (command == "html") {
        return RunWithCodePage("html", RunHtmlCommand, args, std::cout, std::cerr);
    }
    if (command == "write") {
        return RunWithCodePage("write", RunWriteCommand, args, std::cout, std::cerr);
    }
    if (command == "clear") {
        return RunClearCommand(args, std::cout, std::cerr);
    }
    if (command == "rename") {
        return RunWithCodePage("rename", RunRenameCommand, args, std::cout, std::cerr);
    }
    if (command == "copy-v2") {
        return RunWithCodePage("copy-v2", RunCopyV2Command, args, std::cout, std::cerr);
    }
    if (command == "undo") {
        return RunUndoCommand(args, std::cout, std::cerr);
    }
    std::cerr << "cantrel-cli: unknown command '" << command << "'\n\n" << Usage;
    return 2;
}
