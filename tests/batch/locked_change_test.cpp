#include "batch/locked_change.h"
#include "batch/rename_file.h"
#include "batch/tag_write.h"
#include "engine/mpeg_audio.h"
#include "support/mp3_fixture.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string Stream = MakeMp3Stream(3);
const std::string Old = MakeTrailer("Old Title", "Old Artist", "Album", "1999", "", 5, 17);

TTagEdits Edit(const char* title)
{
    TTagEdits edits;
    edits.Title = title;
    return edits;
}

// The bytes of a regular file; "" for anything else (reading a pipe would wait for a writer).
std::string Bytes(const std::string& path)
{
    return fs::is_regular_file(path) ? ReadBytes(path) : "";
}

// The same modification time as before, so that only the bytes tell the change.
void KeepTime(const std::string& path, const struct stat& before)
{
    const timespec times[2] = {{0, UTIME_OMIT}, before.st_mtim};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
}

// A batch reads every file, something happens to the file, and then the batch makes its change:
// a write of the title, and a rename whose new name came from the read. What happened between the
// two is the other batch or program; it returns a descriptor to keep open until the change is over
// (-1 for none).
TEST(LockedChange, AFileChangedAfterTheReadIsRefused)
{
    using enum TFileStatus;
    using enum TFailureReason;
    const auto append = [](const std::string& path) {
        WriteBytes(path, ReadBytes(path) + "appended record");
        return -1;
    };
    const auto otherWrite = [](const std::string& path) {
        WriteTagToFile(path, Edit("Other"));
        return -1;
    };
    const auto sameSizeAndTime = [](const std::string& path) {
        struct stat before = {};
        stat(path.c_str(), &before);
        WriteBytes(path, Stream + MakeTrailer("Other"));
        KeepTime(path, before);
        return -1;
    };
    const auto sameWrite = [](const std::string& path) {
        WriteTagToFile(path, Edit("New"));
        return -1;
    };
    const auto pipe = [](const std::string& path) {
        fs::remove(path);
        mkfifo(path.c_str(), 0644);
        return -1;
    };
    const auto gone = [](const std::string& path) {
        fs::remove(path);
        return -1;
    };
    const auto locked = [](const std::string& path) {
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        flock(fd, LOCK_EX);
        return fd;
    };
    // rule, what happens in between, the write's status, reason and errno, the rename's status
    const std::tuple<const char*, std::function<int(const std::string&)>, TFileStatus,
                     TFailureReason, int, TFileStatus>
        cases[] = {
            {"nothing", [](const std::string&) { return -1; }, Done, None, 0, Done},
            {"another batch wrote its tag", otherWrite, Refused, ChangedSince, 0, Refused},
            {"another program appended to it", append, Refused, ChangedSince, 0, Refused},
            {"same size and time, other trailer", sameSizeAndTime, Refused, ChangedSince, 0,
             Refused},
            {"the write was made already (listed twice)", sameWrite, Unchanged, None, 0, Refused},
            {"a pipe took its name", pipe, Refused, None, EINVAL, Refused},
            {"it was removed", gone, Refused, Missing, 0, Refused},
            {"another program keeps it locked", locked, Refused, None, EWOULDBLOCK, Refused},
        };
    for (const auto& [rule, between, write, reason, error, rename] : cases) {
        TTempDir dir;
        const std::string written = WriteBytes(dir / "written.mp3", Stream + Old);
        const std::string moved = WriteBytes(dir / "moved.mp3", Stream + Old);
        TMPEGAudio audio;
        const TFileChange change = ReadForTagWrite(audio, written, Edit("New"));
        audio.SetFileName(moved);
        const std::optional<TFileState> seen = SeenByRead(audio.FileState);
        ASSERT_TRUE(seen) << rule;

        const int heldWritten = between(written);
        const int heldMoved = between(moved);
        const std::string leftWritten = Bytes(written);
        const std::string leftMoved = Bytes(moved);
        const TFileOutcome outcome = change();
        const TFileOutcome move = RenameOneFile(moved, dir / "new.mp3", seen);
        for (const int fd : {heldWritten, heldMoved}) {
            if (fd >= 0) {
                close(fd);
            }
        }
        EXPECT_EQ(outcome.Status, write) << rule;
        EXPECT_EQ(outcome.Failure.Reason, reason) << rule;
        EXPECT_EQ(outcome.Failure.Error, error) << rule;
        EXPECT_EQ(move.Status, rename) << rule;
        if (write == Done) {
            TMPEGAudio after;
            after.SetFileName(written);
            EXPECT_EQ(after.Title, "New") << rule;
            EXPECT_EQ(after.Artist, "Old Artist") << rule;
        } else {
            // whatever the other one did stays as it left it
            EXPECT_EQ(Bytes(written), leftWritten) << rule;
        }
        EXPECT_EQ(fs::exists(dir / "new.mp3"), rename == Done) << rule;
        if (rename != Done) {
            EXPECT_EQ(Bytes(moved), leftMoved) << rule;
        }
    }
}

// Every change refuses what is no regular file, and says so.
TEST(LockedChange, RefusesAPipeForEveryChange)
{
    TTempDir dir;
    const std::string pipe = dir / "pipe.mp3";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    TMPEGAudio audio;
    const TFileOutcome outcomes[] = {WriteTagToFile(pipe, Edit("New")), ClearTagOfFile(pipe),
                                     RenameOneFile(pipe, dir / "new.mp3")};
    for (const TFileOutcome& outcome : outcomes) {
        EXPECT_EQ(outcome.Status, TFileStatus::Refused);
        EXPECT_EQ(outcome.Failure.Error, EINVAL);
        EXPECT_TRUE(outcome.Failure.Text.ends_with(": not a regular file")) << outcome.Failure.Text;
    }
    EXPECT_TRUE(fs::is_fifo(pipe));
}

} // namespace
