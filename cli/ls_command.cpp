#include "cli/commands.h"
#include "cli/json_output.h"
#include "engine/path_parts.h"
#include "scan/tree_scanner.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>

namespace {

// Prints what the scan reports: a path a line, or with --events "EVENT PATH" (the path byte for
// byte), or with --json the elements of a JSON array.
class TScanLines
{
public:
    TScanLines(std::ostream& out, bool events, bool json)
        : Out(out), Events(events), Json(json), Array(out)
    {
    }

    void Add(std::string_view event, const std::string& path)
    {
        if (Json) {
            Array.Add(Events ? TJson{{"event", event}, {"path", JsonText(path)}} : JsonText(path));
            return;
        }
        if (Events) {
            Out << event << ' ';
        }
        Out.write(path.data(), static_cast<std::streamsize>(path.size()));
        Out << '\n';
    }

    void Finish()
    {
        if (Json) {
            Array.Finish();
        }
    }

private:
    std::ostream& Out;
    bool Events;
    bool Json;
    TJsonArrayWriter Array;
};

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
    const TCommandSyntax& syntax = *FindCommandSyntax("ls");
    if (line.Operands.size() > 1) {
        return UsageError(err, syntax, "only one FOLDER may be given");
    }
    if (line.Operands.empty() || line.Operands.front().empty()) {
        return UsageError(err, syntax, "a FOLDER is needed");
    }
    const bool events = line.Has("--events");

    TTreeScanner scanner;
    const int pathError = MakeFullPath(line.Operands.front(), scanner.InitialDirectory);
    scanner.FileMask = line.Last("--mask").value_or("*.mp3");
    scanner.Recursive = line.Has("--recursive");
    TScanLines lines(out, events, line.Has("--json"));
    scanner.OnFileFound = [&lines](TTreeScanner& sender) { lines.Add("file", sender.FileFound()); };
    if (events) {
        scanner.OnDirectoryFound = [&lines](TTreeScanner& sender) {
            lines.Add("dir-found", sender.CurrentDirectory());
        };
        scanner.OnDirectoryDone = [&lines](TTreeScanner& sender) {
            lines.Add("dir-done", sender.CurrentDirectory());
        };
    }
    const bool readable = WarnIfUnreadable(scanner.InitialDirectory, pathError, err);
    if (pathError != 0) {
        lines.Finish();
        return 1;
    }
    scanner.StartSearch();
    lines.Finish();
    out.flush();
    return readable ? 0 : 1;
}
