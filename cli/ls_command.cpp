#include "cli/commands.h"
#include "engine/path_parts.h"
#include "scan/tree_scanner.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>

namespace {

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

int RunLsCommand(const TCommandLine& line, std::ostream& out, std::ostream& err)
{
    const TCommandSpec& spec = *FindCommandSpec("ls");
    if (line.Operands.size() > 1) {
        return UsageError(err, spec, "only one FOLDER may be given");
    }
    if (line.Operands.empty() || line.Operands.front().empty()) {
        return UsageError(err, spec, "a FOLDER is needed");
    }
    const bool events = line.Has("--events");

    TTreeScanner scanner;
    const int pathError = MakeFullPath(line.Operands.front(), scanner.InitialDirectory);
    scanner.FileMask = line.Last("--mask").value_or("*.mp3");
    scanner.Recursive = line.Has("--recursive");
    scanner.OnFileFound = [&out, events](TTreeScanner& sender) {
        WriteLine(out, events ? "file " : "", sender.FileFound());
    };
    if (events) {
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
