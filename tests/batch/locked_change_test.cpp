#include "batch/locked_change.h"
#include "batch/rename_file.h"
#include "batch/tag_write.h"
#include "engine/change_intent.h"
#include "engine/mpeg_audio.h"
#include "support/mp3_fixture.h"

#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Counts the changes announced to it.
struct TCountingListener : TChangeListener
{
    int Heard = 0;
    int BeforeChange(const TChangeIntent&) override { return ++Heard, 0; }
};

TTagEdits Title(const char* title)
{
    TTagEdits edits;
    edits.Title = title;
    return edits;
}

// A batch reads a file, another batch or program does something to it, and then the batch makes
// its change: a write of the title, or a rename whose new name came from the read. Whatever the
// other one did must stay, and only a change that is made is announced (to the undo journal).
// `between` gives a descriptor to keep open over the change, or -1.
TEST(LockedChange, AFileChangedAfterTheReadIsRefused)
{
    using enum TFileStatus;
    using enum TFailureReason;
    const std::string stream = MakeMp3Stream(3);
    using TBetween = std::function<int(const std::string&)>;
    const TBetween none = [](const std::string&) { return -1; };
    const TBetween write = [](const std::string& p) { return WriteTagToFile(p, Title("X")), -1; };
    const TBetween append = [](const std::string& p) {
        return WriteBytes(p, ReadBytes(p) + "x"), -1;
    };
    const TBetween sameWrite = [](const std::string& p) {
        return WriteTagToFile(p, Title("New")), -1;
    };
    const TBetween sameSizeAndTime = [&](const std::string& p) {
        struct stat before = {};
        stat(p.c_str(), &before);
        WriteBytes(p, stream + MakeTrailer("Other"));
        const timespec times[2] = {{0, UTIME_OMIT}, before.st_mtim};
        return utimensat(AT_FDCWD, p.c_str(), times, 0) - 1;
    };
    const TBetween locked = [](const std::string& p) {
        const int fd = open(p.c_str(), O_RDONLY | O_CLOEXEC);
        return flock(fd, LOCK_EX) == 0 ? fd : -2;
    };
    // rule, what happens in between, the write's status, reason and errno, the rename's status
    const std::tuple<const char*, TBetween, TFileStatus, TFailureReason, int, TFileStatus> cases[] =
        {
            {"nothing", none, Done, None, 0, Done},
            {"another batch wrote its tag", write, Refused, ChangedSince, 0, Refused},
            {"another program appended to it", append, Refused, ChangedSince, 0, Refused},
            {"same size and time, other trailer", sameSizeAndTime, Refused, ChangedSince, 0,
             Refused},
            {"the same write made already (listed twice)", sameWrite, Unchanged, None, 0, Refused},
            {"another program keeps it locked", locked, Refused, None, EWOULDBLOCK, Refused},
        };
    for (const auto& [rule, between, written, reason, error, renamed] : cases) {
        TTempDir dir;
        const std::string path = WriteBytes(dir / "a.mp3", stream + MakeTrailer("Old", "Band"));
        const std::string moved = WriteBytes(dir / "b.mp3", ReadBytes(path));
        TMPEGAudio audio;
        const TFileChange change = ReadForTagWrite(audio, path, Title("New"));
        audio.SetFileName(moved);
        const std::optional<TFileState> seen = SeenByRead(audio.FileState);
        const int held[] = {between(path), between(moved)};
        ASSERT_GE(std::min(held[0], held[1]), -1) << rule;
        const std::string left[] = {ReadBytes(path), ReadBytes(moved)};
        TCountingListener listener;
        TChangeListenerScope listening(&listener);
        const TFileOutcome outcome = change();
        const TFileOutcome move = RenameOneFile(moved, dir / "new.mp3", seen);
        EXPECT_EQ(listener.Heard, (outcome.Status == Done) + (move.Status == Done)) << rule;
        for (const int fd : held) {
            close(fd);
        }
        EXPECT_EQ(outcome.Status, written) << rule;
        EXPECT_EQ(outcome.Failure.Reason, reason) << rule;
        EXPECT_EQ(outcome.Failure.Error, error) << rule;
        EXPECT_EQ(move.Status, renamed) << rule;
        audio.SetFileName(path);
        EXPECT_EQ(written == Done ? audio.Title + audio.Artist : ReadBytes(path),
                  written == Done ? "NewBand" : left[0])
            << rule;
        EXPECT_EQ(ReadBytes(renamed == Done ? dir / "new.mp3" : moved), left[1]) << rule;
    }
}

} // namespace
