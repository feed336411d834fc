#include "cli/commands.h"
#include "journal/journal_session.h"
#include "journal/undo_batch.h"
#include "support/id3v2_fixture.h"
#include "support/mp3_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Every file of a folder with its bytes and modification time, by name (folders too).
using TSnapshot = std::map<std::string, std::pair<std::string, std::int64_t>>;

TSnapshot Snapshot(const fs::path& folder)
{
    TSnapshot files;
    for (const auto& item : fs::recursive_directory_iterator(folder)) {
        const bool file = !item.is_directory();
        files[item.path().string()] = {file ? ReadBytes(item.path()) : "folder",
                                       file ? item.last_write_time().time_since_epoch().count()
                                            : 0};
    }
    return files;
}

// The files a batch works on: an odd trailer, none, two trailers one after the other, an ID3v2
// tag with room for an edit and one without, and the last file named twice.
struct TCrashFolder
{
    TTempDir Dir;
    fs::path Files = Dir / "files";
    std::string State = Dir / "state";
    std::vector<std::string> Paths;

    TCrashFolder()
    {
        fs::create_directories(Files);
        std::string odd = MakeTrailer("Old", "Art", "", "", "", 3, 7);
        odd[3 + 4] = 'x';
        const std::string audio = MakeMp3Stream();
        const std::pair<const char*, std::string> files[] = {
            {"a.mp3", audio + odd},
            {"b.mp3", audio},
            {"two.mp3", audio + MakeTrailer("ONE") + MakeTrailer("TWO")},
            {"roomy.mp3",
             MakeId3v2Tag(3, {{"TIT2", TextBody(TId3v2Encoding::Utf16, "Old")}}, {.Padding = 64}) +
                 audio + MakeTrailer("V1")},
            {"tight.mp3",
             MakeId3v2Tag(4, {{"TPE1", TextBody(TId3v2Encoding::Utf8, "Art")}}) + audio},
        };
        for (const auto& [name, bytes] : files) {
            Paths.push_back(WriteBytes(Files / name, bytes));
        }
        Paths.push_back(Paths.back());
        setenv("XDG_STATE_HOME", State.c_str(), 1);
    }

    int Cli(std::vector<std::string> args) const
    {
        if (args.front() != "undo") {
            args.insert(args.end(), Paths.begin(), Paths.end());
        }
        std::ostringstream out, err;
        const std::string command = args.front();
        args.erase(args.begin());
        const std::map<std::string, TCommandFn> commands = {
            {"write", RunWriteCommand},    {"clear", RunClearCommand},
            {"rename", RunRenameCommand},  {"extract", RunExtractCommand},
            {"copy-v2", RunCopyV2Command}, {"undo", RunUndoCommand},
            {"copy-v1", RunCopyV1Command},
        };
        return RunCommandLine(command, commands.at(command), args, out, err);
    }
};

int KillsLeft = 0;

void KillAtCount(TJournalSession::TPoint, std::size_t)
{
    if (--KillsLeft == 0) {
        _exit(0); // as a kill: no destructor, no flush
    }
}

// Runs the command in a child killed at its `kill`-th step boundary; false when it got to its
// end first.
bool KilledAt(const TCrashFolder& folder, const std::vector<std::string>& args, int kill)
{
    const pid_t child = fork();
    if (child == 0) {
        KillsLeft = kill;
        TJournalSession::Checkpoint = KillAtCount;
        folder.Cli(args);
        _exit(1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(Crash, EveryKillOfABatchOrItsUndoIsUndoneToTheByte)
{
    const std::vector<std::string> batches[] = {
        {"write", "--title", "New"},
        {"write", "--id3v2", "--title", "New"},
        {"clear"},
        {"clear", "--id3v2"},
        {"copy-v1"},
        {"rename", "new\\%t,t%\\x%t,t%"},
        {"extract", "--sep", "", "--field", "Title", "--sep", "", "--write"},
    };
    for (const auto& batch : batches) {
        // a kill at each boundary of the batch, then an undo
        int kill = 1;
        for (;; ++kill) {
            TCrashFolder folder;
            const TSnapshot before = Snapshot(folder.Files);
            if (!KilledAt(folder, batch, kill)) {
                break;
            }
            folder.Cli({"undo"});
            EXPECT_TRUE(Snapshot(folder.Files) == before) << batch[0] << " killed at " << kill;
        }
        EXPECT_GE(kill, 4) << batch[0] << ": the batch reached no boundary";
        // a kill at each boundary of the undo of the whole batch, then the undo again
        for (kill = 1;; ++kill) {
            TCrashFolder folder;
            const TSnapshot before = Snapshot(folder.Files);
            folder.Cli(batch);
            const bool killed = KilledAt(folder, {"undo"}, kill);
            if (killed) {
                EXPECT_EQ(folder.Cli({"undo"}), 0) << batch[0] << ": undo killed at " << kill;
            }
            EXPECT_TRUE(Snapshot(folder.Files) == before)
                << batch[0] << ": undo killed at " << kill;
            // the batch is taken back: a further undo finds nothing older to take back
            EXPECT_EQ(folder.Cli({"undo"}), 2) << batch[0] << ": undo killed at " << kill;
            if (!killed) {
                break;
            }
        }
    }
}

} // namespace
