#include "engine/tag_file.h"
#include "support/mp3_fixture.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

const std::string Audio = MakeMp3Stream(2);
const std::string OldTrailer = MakeTrailer("Old title", "Old artist", "", "1990", "", 1, 3);

TTagRecord NewTag()
{
    return {"New title", "New artist", "New album", "2024", "New comment", 17, 5};
}

std::string NewTrailer()
{
    const TTagTrailer trailer = BuildTagTrailer(NewTag());
    return std::string(trailer.begin(), trailer.end());
}

TEST(TagFile, WritesAndRemovesTrailers)
{
    const std::string tagPrefix = "TAG" + std::string(50, 'x'); // 53 bytes starting with "TAG"
    const std::tuple<const char*, std::string, std::string, std::string, std::string> cases[] = {
        {"a first trailer is appended", Audio, Audio + NewTrailer(), Audio + NewTrailer(), Audio},
        {"an old trailer is replaced", Audio + OldTrailer, Audio + NewTrailer(),
         Audio + NewTrailer(), Audio},
        {"of two trailers only the last is replaced or removed", Audio + OldTrailer + OldTrailer,
         Audio + OldTrailer + NewTrailer(), Audio + OldTrailer + NewTrailer(), Audio + OldTrailer},
        {"a short file starting with TAG is never cut", tagPrefix, tagPrefix + NewTrailer(),
         tagPrefix + NewTrailer(), tagPrefix},
        {"a file of exactly one trailer is never cut", OldTrailer, OldTrailer + NewTrailer(),
         OldTrailer + NewTrailer(), OldTrailer},
        // 128 bytes are too few to hold a trailer, so the second write appends again
        {"an empty file gets a trailer", "", NewTrailer(), NewTrailer() + NewTrailer(), ""},
    };
    for (const auto& [rule, before, afterWrite, afterTwoWrites, afterRemove] : cases) {
        TTempDir dir;
        const std::string path = dir / "a.mp3";
        WriteBytes(path, before);
        EXPECT_EQ(WriteTagTrailer(path, NewTag()), 0) << rule;
        EXPECT_EQ(ReadBytes(path), afterWrite) << rule;
        EXPECT_EQ(WriteTagTrailer(path, NewTag()), 0) << rule;
        EXPECT_EQ(ReadBytes(path), afterTwoWrites) << rule << " (written twice)";

        WriteBytes(path, before);
        EXPECT_EQ(RemoveTagTrailer(path), 0) << rule;
        EXPECT_EQ(ReadBytes(path), afterRemove) << rule;
    }
}

TEST(TagFile, RefusesWhatIsNoWritableFile)
{
    TTempDir dir;
    const std::string readOnly = dir / "read-only.mp3";
    WriteBytes(readOnly, Audio + OldTrailer);
    ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
    std::filesystem::create_directory(dir / "folder.mp3");
    const std::string fileAsFolder = readOnly + "/a.mp3";

    const std::tuple<const char*, std::string, int> cases[] = {
        // refused even when the tests run as the superuser
        {"a read-only file", readOnly, EACCES},
        {"a missing file", dir / "missing.mp3", -1},
        {"a path through a file", fileAsFolder, -1},
        {"a name cut short by a zero byte", readOnly + std::string("\0x", 2), -1},
        {"a folder", dir / "folder.mp3", -1},
        {"a device", "/dev/null", EINVAL},
    };
    for (const auto& [rule, path, code] : cases) {
        EXPECT_EQ(WriteTagTrailer(path, NewTag()), code) << rule;
        EXPECT_EQ(RemoveTagTrailer(path), code) << rule;
    }
    EXPECT_EQ(ReadBytes(readOnly), Audio + OldTrailer);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.mp3"));
}

// A disk that takes at most `Chunk` bytes per write and fails once: the write that would pass
// byte `Budget` writes up to it and fails with `Error`; every later call works again. Truncation
// fails with EIO when `BrokenTruncate` is set.
struct TFailingDisk
{
    std::size_t Budget = SIZE_MAX;
    std::size_t Chunk = SIZE_MAX;
    bool BrokenTruncate = false;
    bool Failed = false;
    int Error = EIO;

    TFileChanges Changes()
    {
        TFileChanges changes = TFileChanges::System();
        const auto write = changes.Write;
        changes.Write = [this, write](int fd, const void* data, std::size_t size, off_t offset) {
            size = std::min(size, Chunk);
            if (Failed || size <= Budget) {
                Budget -= Failed ? 0 : size;
                return write(fd, data, size, offset);
            }
            Failed = true;
            if (Budget > 0) {
                write(fd, data, Budget, offset);
            }
            errno = Error;
            return ssize_t{-1};
        };
        const auto truncate = changes.Truncate;
        changes.Truncate = [this, truncate](int fd, off_t length) {
            if (BrokenTruncate) {
                errno = EIO;
                return -1;
            }
            return truncate(fd, length);
        };
        return changes;
    }
};

TEST(TagFile, AFailedWriteLeavesTheOldTrailerWhole)
{
    TTempDir dir;
    const std::string path = dir / "a.mp3";
    // a full disk leaves the time as well: the file looks untouched to whatever compares times
    const timespec old[2] = {{0, UTIME_OMIT}, {1000000000, 123456789}};
    for (const std::string& before : {Audio, Audio + OldTrailer}) {
        for (std::size_t budget = 0; budget < TagTrailerSize; ++budget) {
            WriteBytes(path, before);
            ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), old, 0), 0);
            TFailingDisk disk{.Budget = budget, .Error = ENOSPC};
            EXPECT_EQ(WriteTagTrailer(path, NewTag(), disk.Changes()), ENOSPC) << budget;
            EXPECT_TRUE(disk.Failed);
            struct stat info = {};
            stat(path.c_str(), &info);
            EXPECT_EQ(ReadBytes(path) + std::to_string(info.st_mtim.tv_nsec),
                      before + std::to_string(old[1].tv_nsec))
                << "stopped after " << budget
                << " bytes, trailer before: " << before.size() - Audio.size();
        }
    }
    // short writes are completed; a failed truncation is reported
    TFailingDisk disk{.Chunk = 10, .BrokenTruncate = true};
    EXPECT_EQ(WriteTagTrailer(path, NewTag(), disk.Changes()), 0);
    EXPECT_EQ(ReadBytes(path), Audio + NewTrailer());
    EXPECT_EQ(RemoveTagTrailer(path, disk.Changes()), EIO);
    EXPECT_EQ(ReadBytes(path), Audio + NewTrailer());
}

} // namespace
