#include "batch/macro_rename.h"
#include "batch/tag_write.h"
#include "engine/change_intent.h"
#include "engine/mpeg_audio.h"
#include "journal/journal_session.h"
#include "journal/undo_batch.h"
#include "support/mp3_fixture.h"

#include <chrono>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <tuple>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Three files of one folder: one with a trailer whose bytes after the title's zero byte are not
// what a rebuilt trailer would hold, one without a trailer, one with an odd name; then `more`
// tagged files.
struct TFolder
{
    TTempDir Dir;
    std::string State = Dir / "state";
    std::vector<std::string> Paths = {Dir / "a.mp3", Dir / "b.mp3", Dir / "c %41\n\xff.mp3"};
    std::vector<std::string> Bytes;

    explicit TFolder(int more = 0)
    {
        std::string odd = MakeTrailer("Old", "Art", "", "", "", 3, 7);
        odd[3 + 4] = 'x'; // after the zero byte ending "Old"
        for (const std::string& trailer : {odd, std::string(), MakeTrailer("Third")}) {
            Bytes.push_back(MakeMp3Stream() + trailer);
        }
        for (int i = 0; i < more; ++i) {
            Paths.push_back(Dir / ("more " + std::to_string(i) + ".mp3"));
            Bytes.push_back(MakeMp3Stream() + MakeTrailer(std::to_string(i)));
        }
        for (std::size_t i = 0; i < Paths.size(); ++i) {
            WriteBytes(Paths[i], Bytes[i]);
        }
    }

    TBatchResult Run(const char* kind, const TFileStep& step, TBatchControl control = {})
    {
        TJournalSession journal(State, kind, 1000);
        control.Journal = &journal;
        return RunBatch(Paths, step, control);
    }
    // with the step in two parts: the first files are read while the journal records the batch
    TBatchResult Run(const char* kind, const TFileRead& read, TBatchControl control = {})
    {
        TJournalSession journal(State, kind, 1000);
        control.Journal = &journal;
        return RunBatch(Paths, read, control);
    }

    // An undo as after a restart: the batch is read back from the journal folder.
    TBatchResult Undo(int number = 0)
    {
        const TUndoChoice choice = ChooseUndoBatch(State, number);
        EXPECT_TRUE(choice.Batch);
        if (!choice.Batch) {
            return {};
        }
        TJournalSession journal(State, JournalUndo, 2000, choice.Batch->Number);
        TBatchControl control;
        control.Journal = &journal;
        return UndoBatch(*choice.Batch, control, false, choice.Undos);
    }

    void ExpectAsBefore(const std::string& rule) const
    {
        for (std::size_t i = 0; i < Paths.size(); ++i) {
            EXPECT_EQ(ReadBytes(Paths[i]), Bytes[i]) << rule << ": " << Paths[i];
        }
    }
};

TTagEdits TitleEdit(const char* title)
{
    TTagEdits edits;
    edits.Title = title;
    return edits;
}

const TFileStep WriteTitle = [](const std::string& path, const TYieldFn&) {
    return WriteTagToFile(path, TitleEdit("New"));
};
const TFileRead ReadWriteTitle = [](const std::string& path, const TYieldFn& yield) {
    static TMPEGAudio audio;
    return ReadForTagWrite(audio, path, TitleEdit("New"), yield);
};
// as if the files came from a slow share: the batch reads the files after them ahead
const TFileRead ReadWriteTitleSlowly = [](const std::string& path, const TYieldFn& yield) {
    std::this_thread::sleep_for(std::chrono::microseconds(200));
    return ReadWriteTitle(path, yield);
};
const TFileStep Clear = [](const std::string& path, const TYieldFn&) {
    return ClearTagOfFile(path);
};
const TFileStep RenameInto = [](const std::string& path, const TYieldFn&) {
    TMacroRenamer renamer("new\\%t,t%\\x%t,t%", {}, {});
    return renamer.Rename(path).Outcome;
};

TEST(Undo, TakesBackEachKindOfBatchByteForByte)
{
    const std::tuple<const char*, const char*, TFileStep, int> cases[] = {
        {"a write over old, absent and plain trailers", JournalWrite, WriteTitle, 3},
        {"a clear (the file without a tag is not touched)", JournalClear, Clear, 2},
        {"a rename into new subfolders", JournalRename, RenameInto, 3},
    };
    for (const auto& [rule, kind, step, changed] : cases) {
        TFolder folder;
        ASSERT_EQ(folder.Run(kind, step).Done, changed) << rule;
        const TBatchResult undone = folder.Undo();
        EXPECT_EQ(undone.Done, changed) << rule;
        EXPECT_TRUE(undone.Failures.empty()) << rule;
        folder.ExpectAsBefore(rule);
        EXPECT_FALSE(fs::exists(folder.Dir / "new")) << rule << ": its folders are removed";
        // a plain undo steps back past the batch taken back; undoing the undo does it again,
        // after which the batch is the one to undo again
        EXPECT_FALSE(ChooseUndoBatch(folder.State).Batch) << rule;
        const int undo = JournalNumber(JournalFiles(folder.State).front());
        EXPECT_EQ(ChooseUndoBatch(folder.State, undo).Batch->Kind, JournalUndo) << rule;
        EXPECT_EQ(folder.Undo(undo).Done, changed) << rule;
        EXPECT_NE(ReadBytes(folder.Paths[0]), folder.Bytes[0]) << rule;
        EXPECT_EQ(ChooseUndoBatch(folder.State).Batch->Number, 1) << rule;
    }
}

TEST(Undo, TakesBackALongBatch)
{
    // the files are looked at in chunks, by several threads, and written in order
    TFolder folder(1200);
    // a journal that runs out of room half way stops the batch before any file is touched
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit room = {64 * 1024, 64 * 1024};
        setrlimit(RLIMIT_FSIZE, &room);
        const TBatchResult result = folder.Run(JournalWrite, ReadWriteTitle);
        _exit(result.Done == 0 && result.Failures.size() == 1 &&
                      result.Failures[0].Text == "cannot write the undo journal: File too large"
                  ? 0
                  : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    folder.ExpectAsBefore("a journal out of room");
    ASSERT_EQ(folder.Run(JournalWrite, ReadWriteTitleSlowly).Done, 1203);
    EXPECT_EQ(folder.Undo().Done, 1203);
    folder.ExpectAsBefore("1,203 files written and undone");
}

TEST(Undo, TakesBackBatchesOneAfterAnother)
{
    // the undo of the write gives the files the times the clear left, so the clear is undone next
    TFolder folder;
    folder.Run(JournalClear, Clear);
    folder.Run(JournalWrite, WriteTitle);
    EXPECT_EQ(folder.Undo().Done, 3);
    EXPECT_EQ(folder.Undo(1).Done, 2);
    folder.ExpectAsBefore("a clear and a write undone");
}

TEST(Undo, LeavesFilesThatChangedOrWhoseNameIsTaken)
{
    using enum TFailureReason;
    // rule, batch, what happens to file 0 after it, why the undo refuses file 0
    const std::tuple<const char*, TFileStep, std::function<void(TFolder&)>, TFailureReason>
        cases[] = {
            {"a tag edited after the batch", WriteTitle,
             [](TFolder& f) { WriteTagToFile(f.Paths[0], TitleEdit("Later")); }, ChangedSince},
            {"the same bytes written again, at a later time", Clear,
             [](TFolder& f) { WriteBytes(f.Paths[0], MakeMp3Stream()); }, ChangedSince},
            {"a file gone", WriteTitle, [](TFolder& f) { fs::remove(f.Paths[0]); }, Missing},
            {"the old name taken again", RenameInto,
             [](TFolder& f) { WriteBytes(f.Paths[0], "another"); }, TargetExists},
            {"a file made read-only", WriteTitle,
             [](TFolder& f) { fs::permissions(f.Paths[0], fs::perms::owner_read); }, None},
        };
    for (const auto& [rule, step, after, reason] : cases) {
        TFolder folder;
        folder.Run(JournalWrite, step);
        const std::string left = ReadBytes(folder.Paths[0]);
        after(folder);
        const std::string changed = ReadBytes(folder.Paths[0]);
        const TBatchResult undone = folder.Undo();
        ASSERT_EQ(undone.Failures.size(), 1u) << rule;
        EXPECT_EQ(undone.Failures[0].Reason, reason) << rule;
        EXPECT_EQ(ReadBytes(folder.Paths[0]), changed) << rule << ": left as it was";
        EXPECT_EQ(ReadBytes(folder.Paths[2]), folder.Bytes[2]) << rule << ": the others go back";
    }
}

TEST(Undo, BatchKilledHalfWayIsUndoneForTheFilesItFinished)
{
    TFolder folder;
    const pid_t child = fork();
    if (child == 0) {
        TBatchControl control;
        control.Report = [](std::size_t index, const TFileOutcome&) {
            if (index == 1) {
                _exit(0); // as if killed: no destructor, no flush
            }
        };
        folder.Run(JournalWrite, ReadWriteTitle, control);
        _exit(1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(ReadBytes(folder.Paths[1]), folder.Bytes[1]);
    EXPECT_EQ(ReadBytes(folder.Paths[2]), folder.Bytes[2]);
    EXPECT_EQ(folder.Undo().Done, 2);
    folder.ExpectAsBefore("killed after two files");
}

// The files of the undo a test kills, in the undo's order.
std::vector<std::string> UndoneFiles;

// Stops an undo as a kill inside its first write would: the system has moved the file's time on,
// no byte has changed yet.
void KillInsideFirstWrite(TJournalSession::TPoint point, std::size_t index)
{
    if (point == TJournalSession::TPoint::IntentStored) {
        // the undo holds the file locked: its time is moved by name
        const timespec times[2] = {{0, UTIME_OMIT}, {5, 0}};
        _exit(utimensat(AT_FDCWD, UndoneFiles[index].c_str(), times, 0) == 0 ? 0 : 1);
    }
}

TEST(Undo, KilledBeforeItsBytesGetsItsTimeBack)
{
    // what is killed, whether a whole write comes first, how it is killed
    const std::tuple<const char*, bool, std::function<void(TFolder&)>> kills[] = {
        {"a write killed inside its write", false,
         [](TFolder& folder) {
             folder.Run(JournalWrite, [](const std::string& path, const TYieldFn&) -> TFileOutcome {
                 TOpenTagFile file;
                 const TTagTrailer trailer = BuildTagTrailer(TTagRecord{}, DefaultTagCodePage);
                 _exit(file.Open(path) == 0 && AnnounceTrailerChange(file.State(), &trailer) == 0 &&
                               file.SetModified(5'000'000'000) == 0
                           ? 0
                           : 1);
             });
         }},
        {"an undo killed inside its write", true,
         [](TFolder& folder) {
             UndoneFiles = UndoPaths(*ChooseUndoBatch(folder.State).Batch);
             TJournalSession::Checkpoint = KillInsideFirstWrite;
             folder.Undo();
         }},
    };
    for (const auto& [rule, written, kill] : kills) {
        TFolder folder;
        std::vector<fs::file_time_type> times;
        for (const std::string& path : folder.Paths) {
            times.push_back(fs::last_write_time(path));
        }
        if (written) {
            folder.Run(JournalWrite, WriteTitle);
        }
        const pid_t child = fork();
        if (child == 0) {
            kill(folder);
            _exit(1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_EQ(WEXITSTATUS(status), 0) << rule;
        EXPECT_TRUE(folder.Undo().Failures.empty()) << rule;
        folder.ExpectAsBefore(rule);
        for (std::size_t i = 0; i < folder.Paths.size(); ++i) {
            EXPECT_EQ(fs::last_write_time(folder.Paths[i]), times[i]) << rule << ": " << i;
        }
    }
}

TEST(Undo, JournalTroubles)
{
    {
        TFolder folder;
        WriteBytes(folder.State, "a file where the folder should be");
        const TBatchResult result = folder.Run(JournalWrite, WriteTitle);
        ASSERT_EQ(result.Failures.size(), 1u);
        EXPECT_EQ(result.Failures[0].Text, "cannot write the undo journal: Not a directory");
        EXPECT_EQ(result.Done, 0);
        folder.ExpectAsBefore("an unwritable journal stops the batch before any file");
    }
    TFolder folder;
    // a batch that changes nothing leaves no record
    folder.Run(JournalWrite, [](const std::string&, const TYieldFn&) {
        return TFileOutcome(TFileStatus::Unchanged);
    });
    for (int i = 0; i < JournalKeep + 2; ++i) {
        folder.Run(JournalWrite, WriteTitle);
        // an old head kept beside a batch goes with it
        char name[32];
        std::snprintf(name, sizeof name, "/%06d.journal", i + 1);
        WriteBytes(HeadCopyPath(folder.State + name, 0), "");
    }
    const std::vector<std::string> files = JournalFiles(folder.State);
    ASSERT_EQ(files.size(), static_cast<std::size_t>(JournalKeep));
    EXPECT_EQ(JournalNumber(files.back()), 3);
    EXPECT_FALSE(fs::exists(HeadCopyPath(folder.State + "/000001.journal", 0)));
    EXPECT_TRUE(fs::exists(HeadCopyPath(folder.State + "/000003.journal", 0)));
    // each record damaged in one way only, with a mark that would make it the batch to undo
    const std::string head = JournalHeader(JournalWrite, 1, 1);
    const std::string file = "f /a 1 2 -\n";
    const std::string mark = "d 0 1 3 -\n";
    const std::string v1 = "cantrel-journal 1\n";
    const std::string v2 = "cantrel-journal 2\nkind write\ntime 1\n";
    const std::tuple<const char*, std::string> damages[] = {
        {"not a journal", "hello\n"},
        {"a bad trailer", v1 + "kind write\ntime 1\nfiles 1\nf /a 1 2 TAG%4\n"},
        {"a mark past the files", v1 + "kind write\ntime 1\nfiles 0\nd 0 1 2 -\n"},
        {"more files than lines", v1 + "kind write\ntime 1\nfiles 99\n"},
        {"another format", "cantrel-journal 0\nkind write\ntime 1\nfiles 1\n" + file + mark},
        {"an empty kind", v1 + "kind \ntime 1\nfiles 1\n" + file + mark},
        {"heading lines out of order", v1 + "time 1\nkind write\nfiles 1\n" + file + mark},
        {"a time that is no number", v1 + "kind write\ntime 1x\nfiles 1\n" + file + mark},
        {"a count that is no number", v1 + "kind write\ntime 1\nfiles 1x\n" + file + mark},
        {"a file line of six fields", head + "f /a 1 2 - x\n" + mark},
        {"a file line of another kind", head + "F /a 1 2 -\n" + mark},
        {"a path with a bad escape", head + "f /%4G 1 2 -\n" + mark},
        {"an empty path", head + "f  1 2 -\n" + mark},
        {"a size that is no number", head + "f /a 1k 2 -\n" + mark},
        {"a file time that is no number", head + "f /a 1 2s -\n" + mark},
        {"a trailer of three bytes", head + "f /a 1 2 TAG\n" + mark},
        {"a mark of another kind", head + file + "D 0 1 3 -\n"},
        {"a mark whose index is no number", head + file + "d 0x 1 3 -\n"},
        {"a mark past its one file", head + file + "d 1 1 3 -\n"},
        {"a mark with a damaged state", head + file + "d 0 1 3 %\n"},
        {"a mark with an empty new path", head + file + "d 0 1 3 - \n"},
        {"a mark with a damaged folder", head + file + "d 0 1 3 - /b %G0\n"},
        {"a relative path", v2 + "files 1\nf a.mp3 1 2 -\n"},
        {"an intent past the files", v2 + "files 0\ni 0 1 - 1 2 -\n"},
        {"a head length that is no number", v2 + "files 1\nf /a 1 2 -\nh 0 x -\n" + mark},
        {"a head with a bad escape", v2 + "files 1\nf /a 1 2 -\nh 0 10 %G0\n" + mark},
        {"a head in a first-version file",
         v1 + "kind write\ntime 1\nfiles 1\n" + file + "h 0 10 -\n" + mark},
    };
    for (const auto& [rule, text] : damages) {
        WriteBytes(folder.State + "/000099.journal", text);
        const TUndoChoice choice = ChooseUndoBatch(folder.State);
        EXPECT_EQ(choice.Damaged.size(), 1u) << rule;
        ASSERT_TRUE(choice.Batch) << rule << ": the batch before it";
        EXPECT_EQ(choice.Batch->Number, 22) << rule;
    }
    // a mark cut off by a kill is dropped, not taken as damage, and so is the room reserved for
    // marks that were never made, with whatever a power cut left after it
    const std::string marks =
        "cantrel-journal 1\nkind write\ntime 1\nfiles 1\nf /a 1 2 -\nd 0 1 3 -\nd 0 5";
    for (const std::string& text : {marks, marks + std::string(9, '\0') + "d 0 1 9 -\n"}) {
        WriteBytes(folder.State + "/000099.journal", text);
        const TJournalBatch cut = ReadJournalBatch(folder.State + "/000099.journal");
        EXPECT_EQ(cut.Damage, "");
        EXPECT_EQ(cut.Entries.at(0).After.ModifiedNs, 3);
    }
}

TEST(Undo, NewBatchRemovesRecordsLeftByKilledOnes)
{
    TFolder folder;
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    const std::string pending = folder.State + "/.pending-";
    // name, days old, kept
    const std::tuple<std::string, int, bool> cases[] = {
        {pending + std::to_string(child), 0, false}, // its process is gone
        {pending + "1", 2, false},                   // running, but older than a day
        {pending + std::to_string(getppid()), 0, true},
        {pending + "x", 2, true}, // no process's
    };
    fs::create_directories(folder.State);
    for (const auto& [path, days, kept] : cases) {
        WriteBytes(path, "cantrel-journal 1\n");
        const timespec times[2] = {{0, UTIME_OMIT}, {std::time(nullptr) - days * 86400, 0}};
        utimensat(AT_FDCWD, path.c_str(), times, 0);
    }
    TJournalSession journal(folder.State, JournalWrite, std::time(nullptr));
    ASSERT_TRUE(journal.Begin(folder.Paths));
    for (const auto& [path, days, kept] : cases) {
        EXPECT_EQ(fs::exists(path), kept) << path;
    }
}

TEST(Undo, PutsBackExactlyWhatWasThere)
{
    // rule, batch, the names the batch is given (a: the file, h: a hard link to it, s: a
    // symbolic link to it), undone by an ordinary user, the undo's refusals
    const std::tuple<const char*, TFileStep, std::string, bool, std::size_t> cases[] = {
        {"a clear of a file ending in two tags", Clear, "a", false, 0},
        {"a clear of a file named twice", Clear, "aa", false, 0},
        {"a write of a file and its hard link", WriteTitle, "ah", false, 0},
        {"a clear of a file and its symbolic link", Clear, "as", false, 0},
        {"a write undone by a user who may not set the time back", WriteTitle, "a", true, 1},
    };
    for (const auto& [rule, step, names, asNobody, refusals] : cases) {
        TTempDir dir;
        const std::string file =
            WriteBytes(dir / "a.mp3", MakeMp3Stream() + MakeTrailer("ONE") + MakeTrailer("TWO"));
        fs::create_hard_link(file, dir / "h.mp3");
        fs::create_symlink(file, dir / "s.mp3");
        const std::string bytes = ReadBytes(file);
        const auto time = fs::last_write_time(file);
        std::vector<std::string> paths;
        for (const char name : names) {
            paths.push_back(dir / (std::string(1, name) + ".mp3"));
        }
        {
            TJournalSession journal(dir / "state", JournalWrite, 1000);
            TBatchControl control;
            control.Journal = &journal;
            ASSERT_EQ(RunBatch(paths, step, control).Failures.size(), 0u) << rule;
        }
        const TUndoChoice choice = ChooseUndoBatch(dir / "state");
        ASSERT_TRUE(choice.Batch) << rule;
        // the file stays its owner's, writable by all: its bytes go back; its time can be set
        // back only by its owner, so the refusal shows where the tests run as the superuser
        chmod(dir.Path().c_str(), 0777);
        chmod(file.c_str(), 0666);
        const std::size_t expected = asNobody && geteuid() == 0 ? refusals : 0;
        const auto undo = [&choice, expected] {
            const TBatchResult undone = UndoBatch(*choice.Batch);
            return undone.Failures.size() == expected &&
                   (expected == 0 || (undone.Failures[0].Error == EPERM &&
                                      undone.Failures[0].Text.find(
                                          "its time could not be set back") != std::string::npos));
        };
        EXPECT_TRUE(asNobody ? PassesAsOrdinaryUser(undo) : undo()) << rule;
        EXPECT_TRUE(ReadBytes(file) == bytes) << rule;
        EXPECT_EQ(fs::last_write_time(file) == time, expected == 0) << rule;
    }
}

TEST(Undo, MoveStoppedHalfWay)
{
    // A file system without a no-replace rename links the new name first: a batch killed before
    // the old name is removed leaves the file under both, and the folder made for the new one. A
    // batch killed between making two folders leaves the first one alone.
    const std::tuple<const char*, std::vector<const char*>, bool> stops[] = {
        {"between its link and its unlink", {"new"}, true},
        {"between making two folders", {"new", "new/sub"}, false},
    };
    for (const auto& [rule, folders, linked] : stops) {
        TTempDir dir;
        const std::string file = WriteBytes(dir / "a.mp3", MakeMp3Stream());
        struct stat info = {};
        stat(file.c_str(), &info);
        fs::create_directory(dir / "new");
        const fs::path target = dir / (linked ? "new/a.mp3" : "new/sub/a.mp3");
        if (linked) {
            fs::create_hard_link(file, target);
        }
        std::string made;
        for (const char* folder : folders) {
            made += " " + (dir / folder);
        }
        const std::string time =
            std::to_string(info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec);
        fs::create_directories(dir / "state");
        WriteBytes(dir / "state/000001.journal",
                   "cantrel-journal 2\nkind rename\ntime 1\nfiles 1\nf " + file + " " +
                       std::to_string(info.st_size) + " " + time + " -\ni 0 -1 - -1 0 - " +
                       target.string() + made + "\n");
        const TUndoChoice choice = ChooseUndoBatch(dir / "state");
        ASSERT_TRUE(choice.Batch) << rule;
        EXPECT_FALSE(choice.Batch->Finished) << rule;
        EXPECT_EQ(choice.Batch->ChangedCount(), 1u) << rule;
        const TBatchResult undone = UndoBatch(*choice.Batch);
        EXPECT_TRUE(undone.Failures.empty()) << rule;
        EXPECT_TRUE(fs::exists(file)) << rule;
        EXPECT_FALSE(fs::exists(dir / "new"))
            << rule << ": the second name and its folders are gone";
    }
}

} // namespace
