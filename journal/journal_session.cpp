#include "journal/journal_session.h"

#include "engine/file_handle.h"
#include "engine/head_delta.h"
#include "engine/path_parts.h"
#include "journal/file_states.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <span>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>

namespace {

const std::string CannotJournal = "cannot write the undo journal";
constexpr std::string_view PendingPrefix = ".pending-";
constexpr std::int64_t Day = 24 * 60 * 60;

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

// Writes the "f" lines of the paths to `fd` in order, making the paths absolute in `full`; 0 or
// the errno value of a failed write, and the bytes written in `size`. Each file costs a few system
// calls, so the list is cut into chunks, and up to four threads each take the next chunk nobody
// has taken (a slower processor simply takes fewer). This thread also writes the finished chunks
// in order as it goes.
int WriteFileLines(int fd, const std::vector<std::string>& paths, std::vector<std::string>& full,
                   std::size_t& size)
{
    constexpr std::size_t ChunkFiles = 512;
    const std::size_t chunks = (paths.size() + ChunkFiles - 1) / ChunkFiles;
    full.assign(paths.size(), {});
    std::vector<std::string> texts(chunks);
    const auto ready = std::make_unique<std::atomic<bool>[]>(chunks);
    std::atomic<std::size_t> next = 0;
    std::atomic<bool> stop = false;
    std::size_t written = 0;
    int code = 0;
    const auto writeReady = [&] {
        for (; written < chunks && ready[written].load(std::memory_order_acquire); ++written) {
            code = code == 0 ? WriteAll(fd, texts[written]) : code;
            size += texts[written].size();
            std::string().swap(texts[written]);
        }
        stop = code != 0;
    };
    const auto work = [&](bool writer) {
        TFileStateReader reader;
        std::vector<TFileState> states;
        for (std::size_t chunk = next++; chunk < chunks && !stop; chunk = next++) {
            const std::size_t begin = chunk * ChunkFiles;
            const std::size_t end = std::min(paths.size(), begin + ChunkFiles);
            std::size_t room = 0;
            for (std::size_t i = begin; i < end; ++i) {
                full[i] = FullPath(paths[i]);
                room += full[i].size() + 96; // the state with a typical trailer
            }
            states.clear();
            reader.Read(std::span(full).subspan(begin, end - begin), states);
            texts[chunk].reserve(room);
            for (std::size_t i = begin; i < end; ++i) {
                AppendFileLine(texts[chunk], full[i], states[i - begin]);
            }
            ready[chunk].store(true, std::memory_order_release);
            if (writer) {
                writeReady();
            }
        }
    };
    const std::size_t threads = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::thread> helpers;
    for (std::size_t helper = 1; helper < std::min(threads, chunks); ++helper) {
        try {
            helpers.emplace_back(work, false);
        } catch (const std::system_error&) {
            break; // no thread to be had: the others take its chunks
        }
    }
    work(true);
    for (std::thread& helper : helpers) {
        helper.join();
    }
    writeReady();
    return code;
}

// Removes the hidden records that a Cantrel killed while it wrote one left behind: those of a
// process that no longer runs, and any older than a day (its number may belong to another
// process by now). The records of running processes are theirs.
void RemoveStalePending(const std::string& folder, std::int64_t now)
{
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* item = readdir(dir)) {
        const std::string_view name = item->d_name;
        int pid = 0;
        if (!name.starts_with(PendingPrefix) ||
            std::from_chars(name.data() + PendingPrefix.size(), name.data() + name.size(), pid)
                    .ptr != name.data() + name.size() ||
            pid <= 0 || pid == getpid()) {
            continue;
        }
        const std::string path = folder + "/" + std::string(name);
        struct stat info = {};
        const bool gone = kill(pid, 0) != 0 && errno == ESRCH;
        if (gone || (lstat(path.c_str(), &info) == 0 && info.st_mtim.tv_sec < now - Day)) {
            ::unlink(path.c_str());
        }
    }
    closedir(dir);
}

std::string NumberedName(const std::string& folder, int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "/%06d.journal", number);
    return folder + name;
}

} // namespace

TJournalSession::TJournalSession(std::string folder, std::string kind, std::int64_t now, int undoes)
    : Folder(std::move(folder)), Kind(std::move(kind)), Now(now), Undoes(undoes)
{
}

TJournalSession::~TJournalSession()
{
    if (Fd >= 0) {
        Marks.Finish();
        ::close(Fd);
        // nothing to undo; a whole undo stays, as it says its batch is taken back
        if (MarkCount == 0 && IntentCount == 0 && !(Undoes > 0 && Ended)) {
            ::unlink(NumberedName(Folder, BatchNumber).c_str());
        }
    }
}

bool TJournalSession::Fail(int error, const std::string& what)
{
    Trouble = FailureFromCode(Folder, error == -1 ? ENOENT : error, what);
    if (Fd >= 0) {
        Marks.Finish();
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
    RemoveStalePending(Folder, Now);
    // written whole under a hidden name first: a listed batch is always a whole record
    const std::string pending =
        Folder + "/" + std::string(PendingPrefix) + std::to_string(getpid());
    Fd = ::open(pending.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (Fd < 0) {
        return Fail(errno, CannotJournal);
    }
    const std::string header = JournalHeader(Kind, Now, paths.size(), Undoes);
    std::size_t size = header.size();
    int code = WriteAll(Fd, header);
    if (code == 0) {
        code = WriteFileLines(Fd, paths, Paths, size);
    }
    if (code == 0 && ::fsync(Fd) != 0) {
        code = errno;
    }
    const std::vector<std::string> present = JournalFiles(Folder);
    int number = present.empty() ? 0 : JournalNumber(present.front());
    bool named = false;
    // another Cantrel may name its batch at the same moment: the name is never replaced
    for (int tries = 0; code == 0 && !named; ++tries) {
        if (number == JournalLastNumber) {
            code = EOVERFLOW; // only a batch file put there by hand gets this far
            break;
        }
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
    // the marks take about as much room as the files' lines
    if (code == 0) {
        code = Marks.Start(Fd, static_cast<off_t>(size), size);
    }
    if (code != 0) {
        ::unlink(named ? NumberedName(Folder, number).c_str() : pending.c_str());
        if (code == EOVERFLOW) {
            return Fail(0, CannotJournal + ": its batch numbers are used up (remove " +
                               NumberedName(Folder, JournalLastNumber) + ")");
        }
        return Fail(code, CannotJournal);
    }
    BatchNumber = number;
    return true;
}

int TJournalSession::Store(std::string_view line)
{
    if (Fd < 0) {
        return Trouble.Text.empty() ? EBADF : EIO;
    }
    if (const int code = Marks.Add(line); code != 0) {
        Fail(code, CannotJournal);
        return code;
    }
    return 0;
}

bool TJournalSession::FileDone(std::size_t index, const TFileOutcome& outcome)
{
    const bool intended = InScope && Current == index && CurrentIntended;
    if (Checkpoint != nullptr && (intended || outcome.Status == TFileStatus::Done)) {
        Checkpoint(TPoint::Changed, index);
    }
    if (Fd < 0 && !Trouble.Text.empty()) {
        return false; // an intent could not be stored: the batch stops here
    }
    const bool changed = outcome.Status == TFileStatus::Done ||
                         (outcome.Status == TFileStatus::Refused && outcome.After);
    if (!changed) {
        // a refused change leaves the file as it was; the undo need not look at it
        return !intended || outcome.Status != TFileStatus::Refused ||
               Store(RefusedLine(index)) == 0;
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
    Line.clear(); // kept between files: a batch adds tens of thousands of these
    AppendDoneLine(Line, index, entry);
    if (Store(Line) != 0) {
        return false;
    }
    if (++MarkCount == 1 && IntentCount == 0) {
        // the oldest batch gives way only to one that changed a file
        PruneJournal(Folder);
    }
    if (Checkpoint != nullptr) {
        Checkpoint(TPoint::Marked, index);
    }
    return true;
}

bool TJournalSession::End()
{
    if (Fd < 0 || Store(JournalEndLine) != 0) {
        return false;
    }
    Ended = true;
    return true;
}

TFileOutcome TJournalSession::Change(std::size_t index, const std::function<TFileOutcome()>& change)
{
    Current = index;
    InScope = true;
    CurrentIntended = false;
    struct TLeave
    {
        bool& InScope;
        ~TLeave() { InScope = false; } // also when the change throws
    } leave{InScope};
    const TChangeListenerScope listening(this);
    return change();
}

int TJournalSession::BeforeChange(const TChangeIntent& intent)
{
    if (!InScope || Current >= Paths.size()) {
        return EBADF;
    }
    if (CurrentIntended) {
        return 0; // the step's first announcement speaks for all of its change
    }
    if (intent.Head) {
        if (const int code = StoreHead(*intent.Head); code != 0) {
            return code;
        }
    }
    TJournalEntry entry;
    entry.IntentSize = intent.Size;
    entry.IntentTrailer = intent.Trailer;
    entry.IntentBefore = intent.Before;
    if (!intent.NewPath.empty()) {
        entry.IntentPath = FullPath(intent.NewPath);
        for (const std::string& folder : intent.NewFolders) {
            entry.IntentFolders.push_back(FullPath(folder));
        }
    }
    Line.clear();
    AppendIntentLine(Line, Current, entry);
    if (const int code = Store(Line); code != 0) {
        return code;
    }
    if (++IntentCount == 1 && MarkCount == 0) {
        PruneJournal(Folder); // the first intent comes before the first change
    }
    CurrentIntended = true;
    if (Checkpoint != nullptr) {
        Checkpoint(TPoint::IntentStored, Current);
    }
    return 0;
}

int TJournalSession::StoreHead(const THeadChange& head)
{
    // Where the new head differs from the old one: an edit of a few frames keeps a few bytes,
    // however large the pictures beside them, unless it moves them within a head of one length
    const THeadDelta delta = HeadDelta(head.Old, head.New);
    const bool inCopy = delta.Middle.size() > JournalHeadLimit;
    if (inCopy) {
        // whole in the copy before the line that names it
        const std::string copy = HeadCopyPath(NumberedName(Folder, BatchNumber), Current);
        TFileHandle file(::open(copy.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
        if (!file.IsOpen()) {
            Fail(errno, CannotJournal);
            return Trouble.Error != 0 ? Trouble.Error : EIO;
        }
        const int code = WriteAll(file.Get(), head.Old);
        if (code != 0) {
            Fail(code, CannotJournal);
            return code;
        }
    }
    Line.clear();
    AppendHeadLine(Line, Current, static_cast<std::int64_t>(head.New.size()), delta, inCopy);
    return Store(Line);
}

TBatchResult RunJournaled(const std::string& folder, const std::string& kind, TBatchControl control,
                          const std::function<TBatchResult(const TBatchControl&)>& run, int undoes)
{
    TJournalSession journal(folder, kind, std::time(nullptr), undoes);
    control.Journal = &journal;
    return run(control);
}
