#include "journal/file_states.h"

#include "engine/file_handle.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef CANTREL_HAVE_URING
#include <array>
#include <liburing.h>
#include <memory>
#endif

namespace {

// The access time is left alone where the system allows it (only for the file's owner), so that
// recording a batch writes nothing.
constexpr int ReadFlags = O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;

std::int64_t Nanoseconds(std::int64_t seconds, std::int64_t fraction)
{
    return seconds * 1000000000 + fraction;
}

// Shorter lists are looked at one by one: setting a ring up costs about as much as a few files.
constexpr std::size_t LeastBatched = 16;

} // namespace

#ifdef CANTREL_HAVE_URING

namespace {

// Files per group; each keeps a descriptor open until the group ends.
constexpr unsigned Group = 64;

// What one file of a group went through.
struct TSlot
{
    int Fd = -1;
    int OpenError = 0;
    struct stat Info = {};
    bool Known = false;
    TTagTrailer Bytes{};
    int ReadResult = 0;
};

using TSlots = std::array<TSlot, Group>;

} // namespace

class TStateRing
{
public:
    TStateRing() = default;
    ~TStateRing()
    {
        if (Started && !Broken) {
            io_uring_queue_exit(&Ring);
        }
    }
    TStateRing(const TStateRing&) = delete;
    TStateRing& operator=(const TStateRing&) = delete;

    // Sets the ring up; false where the system offers none (an old kernel, a sandbox that forbids
    // it) or lacks one of the operations used.
    bool Start()
    {
        if (io_uring_queue_init(Group, &Ring, 0) != 0) {
            return false;
        }
        Started = true;
        io_uring_probe* probe = io_uring_get_probe_ring(&Ring);
        bool all = probe != nullptr;
        for (const int op : {IORING_OP_OPENAT, IORING_OP_READ, IORING_OP_CLOSE}) {
            all = all && io_uring_opcode_supported(probe, op);
        }
        io_uring_free_probe(probe);
        return all;
    }

    // The next free entry, its completion tagged with the slot. A group never needs more
    // entries than the ring holds, and each round is run before the next is prepared.
    io_uring_sqe* Next(unsigned slot)
    {
        io_uring_sqe* entry = io_uring_get_sqe(&Ring);
        io_uring_sqe_set_data64(entry, slot);
        ++Prepared;
        return entry;
    }

    // Submits what Next gave out and waits for every completion, handing each to `done` with its
    // slot and result. False when the ring failed. When it failed with operations still under
    // way, the kernel may yet write into their buffers: Broken() says so, and the ring and the
    // buffers are then let go of rather than freed.
    template <typename F> bool Run(F done)
    {
        const unsigned prepared = Prepared;
        Prepared = 0;
        unsigned submitted = 0;
        unsigned completed = 0;
        for (int troubles = 0; completed < prepared;) {
            io_uring_cqe* cqe = nullptr;
            const int code = submitted < prepared
                                 ? io_uring_submit_and_wait(&Ring, prepared - completed)
                                 : io_uring_wait_cqe_nr(&Ring, &cqe, prepared - completed);
            if (code > 0 && submitted < prepared) {
                submitted += static_cast<unsigned>(code);
            }
            unsigned head = 0;
            unsigned seen = 0;
            io_uring_for_each_cqe(&Ring, head, cqe)
            {
                done(static_cast<unsigned>(io_uring_cqe_get_data64(cqe)), cqe->res);
                ++seen;
            }
            io_uring_cq_advance(&Ring, seen);
            completed += seen;
            const bool passing = code == -EINTR || code == -EAGAIN || code == -EBUSY;
            troubles = seen > 0 ? 0 : troubles + 1;
            if ((code < 0 && !passing) || troubles > 100) {
                Broken = submitted > completed;
                return false;
            }
        }
        return true;
    }

    bool IsBroken() const { return Broken; }

private:
    io_uring Ring = {};
    bool Started = false;
    bool Broken = false;
    unsigned Prepared = 0;
};

namespace {

// Looks at one group of files through the ring, in rounds: open, stat, read the trailer, close.
// False when the ring failed; the states of the group are then left to the caller.
bool ReadGroup(TStateRing& ring, std::span<const std::string> paths, TSlots& slots)
{
    const auto count = static_cast<unsigned>(paths.size());
    const auto opened = [&](unsigned i, int result) {
        slots[i].Fd = result >= 0 ? result : -1;
        slots[i].OpenError = result >= 0 ? 0 : -result;
    };
    for (unsigned i = 0; i < count; ++i) {
        io_uring_prep_openat(ring.Next(i), AT_FDCWD, paths[i].c_str(), ReadFlags | O_NOATIME, 0);
    }
    if (!ring.Run(opened)) {
        return false;
    }
    for (unsigned i = 0; i < count; ++i) {
        if (slots[i].OpenError == EPERM) {
            io_uring_prep_openat(ring.Next(i), AT_FDCWD, paths[i].c_str(), ReadFlags, 0);
        }
    }
    if (!ring.Run(opened)) {
        return false;
    }
    // The kernel hands every stat of a ring to a worker thread, which costs more than the call
    // saved: the stats are plain calls.
    for (TSlot& slot : slots) {
        slot.Known = slot.Fd >= 0 && fstat(slot.Fd, &slot.Info) == 0;
    }
    for (unsigned i = 0; i < count; ++i) {
        const struct stat& info = slots[i].Info;
        if (slots[i].Known && S_ISREG(info.st_mode) &&
            info.st_size > static_cast<off_t>(TagTrailerSize)) {
            io_uring_prep_read(ring.Next(i), slots[i].Fd, slots[i].Bytes.data(), TagTrailerSize,
                               static_cast<std::uint64_t>(info.st_size) - TagTrailerSize);
        }
    }
    if (!ring.Run([&](unsigned i, int result) { slots[i].ReadResult = result; })) {
        return false;
    }
    for (unsigned i = 0; i < count; ++i) {
        if (slots[i].Fd >= 0) {
            io_uring_prep_close(ring.Next(i), slots[i].Fd);
        }
    }
    // a descriptor is let go of even when its close reports an error
    return ring.Run([&](unsigned i, int) { slots[i].Fd = -1; });
}

TFileState StateOfSlot(const TSlot& slot, const std::string& path)
{
    if (!slot.Known) {
        return ReadFileState(path); // not opened, or not looked at: by itself
    }
    TFileState state;
    state.Size = slot.Info.st_size;
    state.ModifiedNs = Nanoseconds(slot.Info.st_mtim.tv_sec, slot.Info.st_mtim.tv_nsec);
    if (slot.ReadResult == static_cast<int>(TagTrailerSize) && IsTagTrailer(slot.Bytes)) {
        state.Trailer = slot.Bytes;
    }
    return state;
}

// Reads the states through the ring; false when the ring failed on the way: the states it did
// not give are then read one by one, and the ring is not to be used again.
bool ReadBatched(TStateRing& ring, std::span<const std::string> paths,
                 std::vector<TFileState>& states)
{
    for (std::size_t first = 0; first < paths.size(); first += Group) {
        const auto group = paths.subspan(first, std::min<std::size_t>(Group, paths.size() - first));
        auto slots = std::make_unique<TSlots>();
        if (ReadGroup(ring, group, *slots)) {
            for (std::size_t i = 0; i < group.size(); ++i) {
                states.push_back(StateOfSlot((*slots)[i], group[i]));
            }
            continue;
        }
        // What the failed ring left open is closed, unless the kernel may still be at work on the
        // group: then its buffers are never freed.
        for (const TSlot& slot : *slots) {
            if (slot.Fd >= 0 && !ring.IsBroken()) {
                ::close(slot.Fd);
            }
        }
        if (ring.IsBroken()) {
            [[maybe_unused]] TSlots* kept = slots.release();
        }
        for (std::size_t i = first; i < paths.size(); ++i) {
            states.push_back(ReadFileState(paths[i]));
        }
        return false;
    }
    return true;
}

} // namespace

#else

class TStateRing
{
};

#endif

TFileState ReadFileState(const std::string& path)
{
    // One open serves both the state and the trailer.
    TFileHandle file(::open(path.c_str(), ReadFlags | O_NOATIME));
    if (!file.IsOpen() && errno == EPERM) {
        file.Reset(::open(path.c_str(), ReadFlags));
    }
    TFileState state;
    struct stat info = {};
    // a file that cannot be read still has its size and time
    if (file.IsOpen() ? fstat(file.Get(), &info) != 0 : stat(path.c_str(), &info) != 0) {
        return state;
    }
    state.Size = info.st_size;
    state.ModifiedNs = Nanoseconds(info.st_mtim.tv_sec, info.st_mtim.tv_nsec);
    if (!file.IsOpen() || !S_ISREG(info.st_mode) ||
        info.st_size <= static_cast<off_t>(TagTrailerSize)) {
        return state;
    }
    TTagTrailer bytes{};
    const off_t at = info.st_size - static_cast<off_t>(TagTrailerSize);
    if (::pread(file.Get(), bytes.data(), TagTrailerSize, at) ==
            static_cast<ssize_t>(TagTrailerSize) &&
        IsTagTrailer(bytes)) {
        state.Trailer = bytes;
    }
    return state;
}

TFileStateReader::TFileStateReader(TStateReading how) : How(how)
{
}

TFileStateReader::~TFileStateReader()
{
#ifdef CANTREL_HAVE_URING
    if (Ring && Ring->IsBroken()) {
        [[maybe_unused]] TStateRing* kept = Ring.release(); // the kernel may still use it
    }
#endif
}

void TFileStateReader::Read(std::span<const std::string> paths, std::vector<TFileState>& states)
{
    states.reserve(states.size() + paths.size());
    if (How == TStateReading::Batched && paths.size() >= LeastBatched && !RingFailed) {
#ifdef CANTREL_HAVE_URING
        if (!Ring) {
            Ring = std::make_unique<TStateRing>();
            RingFailed = !Ring->Start();
        }
        if (!RingFailed) {
            RingFailed = !ReadBatched(*Ring, paths, states);
            return;
        }
#else
        RingFailed = true; // built without liburing
#endif
    }
    for (const std::string& path : paths) {
        states.push_back(ReadFileState(path));
    }
}
