#include "journal/journal_session.h"

#include "engine/path_parts.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

const std::string CannotJournal = "cannot write the undo journal";

std::string FullPath(const std::string& path)
{
    std::string full;
    MakeFullPath(path, full); // a path the system refuses is kept as far as it could be made
    return full;
}

// Creates the folder and its missing parents (private to the user); 0 or the errno value.
int MakeFolderPath(const std::string& folder)
{
    struct stat info = {};
    if (stat(folder.c_str(), &info) == 0) {
        return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
    }
    const auto cut = folder.find_last_of('/');
    if (cut != std::string::npos && cut > 0) {
        if (const int code = MakeFolderPath(folder.substr(0, cut)); code != 0) {
            return code;
        }
    }
    return mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST ? 0 : errno;
}

int WriteAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n < 0 ? errno : EIO;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

int SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    const int code = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return code;
}

std::string NumberedName(const std::string& folder, int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "/%06d.journal", number);
    return folder + name;
}

} // namespace

TJournalSession::TJournalSession(std::string folder, std::string kind, std::int64_t now)
    : Folder(std::move(folder)), Kind(std::move(kind)), Now(now)
{
}

TJournalSession::~TJournalSession()
{
    if (Fd >= 0) {
        ::close(Fd);
        if (Marks == 0) {
            ::unlink(NumberedName(Folder, BatchNumber).c_str()); // nothing to undo
        }
    }
}

bool TJournalSession::Fail(int error, const std::string& what)
{
    Trouble = FailureFromCode(Folder, error == -1 ? ENOENT : error, what);
    if (Fd >= 0) {
        ::close(Fd);
        Fd = -1;
    }
    return false;
}

bool TJournalSession::Begin(const std::vector<std::string>& paths)
{
    if (Folder.empty()) {
        Trouble = FailureFromReason(Folder, TFailureReason::Other,
                                    CannotJournal + ": neither XDG_STATE_HOME nor HOME is set");
        return false;
    }
    if (const int code = MakeFolderPath(Folder); code != 0) {
        return Fail(code, CannotJournal);
    }
    std::string text = JournalHeader(Kind, Now, paths.size());
    Paths.clear();
    for (const std::string& path : paths) {
        Paths.push_back(FullPath(path));
        text += FileLine(Paths.back(), ReadFileState(Paths.back()));
    }
    // written whole under a hidden name first: a listed batch is always a whole record
    const std::string pending = Folder + "/.pending-" + std::to_string(getpid());
    Fd = ::open(pending.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0600);
    if (Fd < 0) {
        return Fail(errno, CannotJournal);
    }
    int code = WriteAll(Fd, text);
    if (code == 0 && ::fsync(Fd) != 0) {
        code = errno;
    }
    const std::vector<std::string> present = JournalFiles(Folder);
    int number = present.empty() ? 0 : JournalNumber(present.front());
    bool named = false;
    // another Cantrel may name its batch at the same moment: the name is never replaced
    for (int tries = 0; code == 0 && !named; ++tries) {
        ++number;
        named = renameat2(AT_FDCWD, pending.c_str(), AT_FDCWD, NumberedName(Folder, number).c_str(),
                          RENAME_NOREPLACE) == 0;
        if (!named && (errno != EEXIST || tries == 100)) {
            code = errno;
        }
    }
    if (code == 0) {
        code = SyncFolder(Folder);
    }
    if (code != 0) {
        ::unlink(named ? NumberedName(Folder, number).c_str() : pending.c_str());
        return Fail(code, CannotJournal);
    }
    BatchNumber = number;
    const std::vector<std::string> files = JournalFiles(Folder);
    for (std::size_t i = JournalKeep; i < files.size(); ++i) {
        ::unlink(files[i].c_str());
    }
    return true;
}

bool TJournalSession::FileDone(std::size_t index, const TFileOutcome& outcome)
{
    if (outcome.Status != TFileStatus::Done) {
        return true;
    }
    if (Fd < 0 || index >= Paths.size()) {
        return Fail(EBADF, CannotJournal);
    }
    TJournalEntry entry;
    if (!outcome.NewPath.empty()) {
        entry.NewPath = FullPath(outcome.NewPath);
        for (const std::string& folder : outcome.NewFolders) {
            entry.NewFolders.push_back(FullPath(folder));
        }
    }
    // a step that changed the file knows what it left; only the others are looked at again
    entry.After = outcome.After
                      ? *outcome.After
                      : ReadFileState(entry.NewPath.empty() ? Paths[index] : entry.NewPath);
    if (const int code = WriteAll(Fd, DoneLine(index, entry)); code != 0) {
        return Fail(code, CannotJournal);
    }
    ++Marks;
    return true;
}
