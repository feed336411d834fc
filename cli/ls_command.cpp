#include "cli/commands.h"
#include "cli/help_option.h"
#include "engine/path_parts.h"
#include "scan/tree_scanner.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>

namespace {

const char* const LsUsage =
    "Usage: cantrel-cli ls [--recursive] [--mask MASK] [--events] FOLDER\n"
    "\n"
    "Lists the full path of every file a folder scan reports, one a line, in report order:\n"
    "names sorted ignoring case, a folder's files before its subfolders.\n"
    "\n"
    "  -r, --recursive   also scan every folder below FOLDER (links to folders are not followed)\n"
    "  --mask MASK       extension masks such as \"*.mp3;*.ogg\" (default \"*.mp3\");\n"
    "                    \",\", \";\" and \"|\" separate them; only \"*.ext\" masks count\n"
    "  --events          print every event: \"dir-found PATH\", \"file PATH\", \"dir-done PATH\"\n"
    "  -h, --help        show this help\n"
    "\n"
    "Paths are written as the file system holds them, byte for byte. The exit status is 1 when\n"
    "FOLDER cannot be read (it is missing, not a folder or not readable), 2 on a usage error.\n";

struct TLsOptions
{
    bool Recursive = false;
    bool Events = false;
    std::string Mask = "*.mp3";
    std::string Folder;
};

void WriteLine(std::ostream& out, const char* prefix, const std::string& path)
{
    out << prefix;
    out.write(path.data(), static_cast<std::streamsize>(path.size()));
    out << '\n';
}

// A note on standard error when the folder cannot be read (false then), or when its path was
// refused with `pathError`; the listing itself stays empty.
bool WarnIfUnreadable(const std::string& folder, int pathError, std::ostream& err)
{
    int error = pathError;
    if (error == 0) {
        DIR* stream = opendir(folder.c_str());
        if (stream != nullptr) {
            closedir(stream);
            return true;
        }
        error = errno;
    }
    err << "cantrel-cli ls: cannot read folder '";
    err.write(folder.data(), static_cast<std::streamsize>(folder.size()));
    err << "': " << std::strerror(error) << '\n';
    return false;
}

} // namespace

int RunLsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (AsksForHelp(args, {"--mask"})) {
        out << LsUsage;
        return 0;
    }
    TLsOptions options;
    bool folderGiven = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto& arg = args[i];
        if (!optionsEnded && (arg == "-r" || arg == "--recursive")) {
            options.Recursive = true;
        } else if (!optionsEnded && arg == "--events") {
            options.Events = true;
        } else if (!optionsEnded && arg == "--mask") {
            if (i + 1 == args.size()) {
                return UsageError(err, "ls", "--mask needs a value such as \"*.mp3\"", LsUsage);
            }
            options.Mask = args[++i];
        } else if (!optionsEnded && arg.rfind("--mask=", 0) == 0) {
            options.Mask = arg.substr(7);
        } else if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return UsageError(err, "ls", "unknown option '" + arg + "'", LsUsage);
        } else if (folderGiven) {
            return UsageError(err, "ls", "only one FOLDER may be given", LsUsage);
        } else {
            options.Folder = arg;
            folderGiven = true;
        }
    }
    if (!folderGiven || options.Folder.empty()) {
        return UsageError(err, "ls", "a FOLDER is needed", LsUsage);
    }

    TTreeScanner scanner;
    const int pathError = MakeFullPath(options.Folder, scanner.InitialDirectory);
    scanner.FileMask = options.Mask;
    scanner.Recursive = options.Recursive;
    scanner.OnFileFound = [&out, &options](TTreeScanner& sender) {
        WriteLine(out, options.Events ? "file " : "", sender.FileFound());
    };
    if (options.Events) {
        scanner.OnDirectoryFound = [&out](TTreeScanner& sender) {
            WriteLine(out, "dir-found ", sender.CurrentDirectory());
        };
        scanner.OnDirectoryDone = [&out](TTreeScanner& sender) {
            WriteLine(out, "dir-done ", sender.CurrentDirectory());
        };
    }
    const bool readable = WarnIfUnreadable(scanner.InitialDirectory, pathError, err);
    if (pathError != 0) {
        return 1;
    }
    scanner.StartSearch();
    out.flush();
    return readable ? 0 : 1;
}
