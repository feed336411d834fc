// Reading speed. Over a corpus of synthetic MP3 files: the analysis alone and `cantrel-cli info`
// (in this process, its output thrown away as to /dev/null), each as a ratio to a floor measured in
// the same round, one file after another (open, fstat, read the first 4 KiB, read the last 128
// bytes, close):
//  - warm: everything in the page cache;
//  - cold: the page cache dropped before each pass (as root only; said so otherwise);
//  - slow: 1 ms added to every open and every read. This program's own open and pread stand in
//    front of the C library's and sleep first, as a network share or a device-mapper delay
//    target would make each request wait.
// Then the search through a 100 MB file that holds no frame at all, and through a 5 GiB sparse
// one next to `dd bs=1M` of the same file.
//
// Usage: analysis_bench [FILE_COUNT [SLOW_FILE_COUNT [ROUNDS]]]   (default 10000 1000 3)

#include "bench/bench_folder.h"
#include "cli/commands.h"
#include "engine/mpeg_audio.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

std::atomic<bool> SlowDevice{false};

void WaitForDevice()
{
    if (SlowDevice.load(std::memory_order_relaxed)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

template <typename TFunction> TFunction* Real(const char* name)
{
    return reinterpret_cast<TFunction*>(dlsym(RTLD_NEXT, name));
}

} // namespace

// Every open and pread of this program, the engine's included, comes here first.
extern "C" int open(const char* path, int flags, ...)
{
    static auto* const real = Real<int(const char*, int, ...)>("open");
    mode_t mode = 0;
    if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list args;
        va_start(args, flags);
        mode = va_arg(args, mode_t);
        va_end(args);
    }
    WaitForDevice();
    return real(path, flags, mode);
}

extern "C" ssize_t pread(int fd, void* buffer, size_t count, off_t offset)
{
    static auto* const real = Real<ssize_t(int, void*, size_t, off_t)>("pread");
    WaitForDevice();
    return real(fd, buffer, count, offset);
}

namespace {

using TClock = std::chrono::steady_clock;

double SecondsSince(TClock::time_point start)
{
    return std::chrono::duration<double>(TClock::now() - start).count();
}

// A small deterministic generator, so every run builds the same corpus.
struct TRandom
{
    std::uint32_t State = 12345;
    std::uint32_t Next()
    {
        State = State * 1664525u + 1013904223u;
        return State >> 8;
    }
};

std::string Frame(std::uint32_t header, std::size_t length)
{
    std::string frame(length, '\0');
    for (int i = 0; i < 4; ++i) {
        frame[static_cast<std::size_t>(i)] = static_cast<char>(header >> (24 - 8 * i));
    }
    return frame;
}

// A file shaped like a real one: sometimes a block of another tag format first, a few frames of
// 128 kbit/s, and mostly a trailer.
std::string SyntheticMp3(TRandom& random, int index)
{
    std::string bytes;
    if (random.Next() % 3 == 0) {
        bytes = "ID3\x03";
        bytes.resize(4 + random.Next() % 2000, '\0');
    }
    const int frames = 6 + static_cast<int>(random.Next() % 6);
    for (int i = 0; i < frames; ++i) {
        bytes += Frame(0xFFFB9000u, 417);
    }
    if (random.Next() % 4 != 0) {
        std::string trailer(128, '\0');
        trailer.replace(0, 3, "TAG");
        const std::string title = "Song " + std::to_string(index);
        trailer.replace(3, title.size(), title);
        trailer[127] = 17;
        bytes += trailer;
    }
    return bytes;
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> BuildCorpus(const std::filesystem::path& root, int count)
{
    TRandom random;
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        const auto folder =
            root / ("artist" + std::to_string(i / 1000)) / ("album" + std::to_string(i / 100 % 10));
        std::filesystem::create_directories(folder);
        paths.push_back((folder / ("track" + std::to_string(i) + ".mp3")).string());
        WriteFile(paths.back(), SyntheticMp3(random, i));
    }
    return paths;
}

// The least any analysis must do, one file after another: open, fstat, the first 4 KiB, the last
// 128 bytes, close.
int RawFloor(const std::vector<std::string>& paths)
{
    alignas(4096) static char head[4096];
    alignas(4096) static char tail[128];
    int done = 0;
    for (const auto& path : paths) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            continue;
        }
        struct stat info = {};
        const bool read = fstat(fd, &info) == 0 && ::pread(fd, head, sizeof(head), 0) > 0 &&
                          ::pread(fd, tail, sizeof(tail), info.st_size - 128) == 128;
        ::close(fd);
        done += read ? 1 : 0;
    }
    return done;
}

int Analyse(const std::vector<std::string>& paths)
{
    TMPEGAudio audio;
    int valid = 0;
    for (const auto& path : paths) {
        audio.SetFileName(path);
        valid += audio.IsValid() ? 1 : 0;
    }
    return valid;
}

// Output thrown away as `> /dev/null` would, counting its lines.
class TLineCounter : public std::streambuf
{
public:
    int Lines = 0;

protected:
    std::streamsize xsputn(const char* text, std::streamsize count) override
    {
        Lines += static_cast<int>(std::count(text, text + count, '\n'));
        return count;
    }
    int_type overflow(int_type c) override
    {
        Lines += c == '\n' ? 1 : 0;
        return traits_type::not_eof(c);
    }
};

// `cantrel-cli info` over the files; the number of lines it printed.
int Info(const std::vector<std::string>& paths)
{
    TLineCounter lines;
    std::ostream out(&lines);
    std::ostringstream err;
    std::vector<std::string> args = paths;
    args.insert(args.begin(), "--");
    RunCommandLine("info", RunInfoCommand, args, out, err);
    return lines.Lines;
}

void DropCaches()
{
    ::sync();
    std::ofstream("/proc/sys/vm/drop_caches") << "3\n";
}

bool CanDropCaches()
{
    return ::access("/proc/sys/vm/drop_caches", W_OK) == 0;
}

using TPass = int (*)(const std::vector<std::string>&);

// Seconds of one pass; the cache dropped first when `cold`.
double TimePass(TPass pass, const std::vector<std::string>& paths, bool cold, int& result)
{
    if (cold) {
        DropCaches();
    }
    const auto start = TClock::now();
    result = pass(paths);
    return SecondsSince(start);
}

// Each round times the floor and then each pass; prints every pass's range of ratios to the
// floor of its own round, the ratio of the best times (what other programs on the machine
// disturb least), and the floor's range of times.
void CompareWithFloor(const char* title, const std::vector<std::string>& paths, bool cold,
                      int rounds, const std::vector<std::pair<const char*, TPass>>& passes,
                      const char* target)
{
    std::vector<double> lowest(passes.size(), 1e30);
    std::vector<double> highest(passes.size(), 0);
    std::vector<double> best(passes.size(), 1e30);
    double floorLow = 1e30;
    double floorHigh = 0;
    int result = 0;
    for (int round = 0; round < rounds; ++round) {
        const double floor = TimePass(RawFloor, paths, cold, result);
        floorLow = std::min(floorLow, floor);
        floorHigh = std::max(floorHigh, floor);
        for (std::size_t i = 0; i < passes.size(); ++i) {
            const double seconds = TimePass(passes[i].second, paths, cold, result);
            const double ratio = seconds / floor;
            best[i] = std::min(best[i], seconds);
            lowest[i] = std::min(lowest[i], ratio);
            highest[i] = std::max(highest[i], ratio);
        }
    }
    std::printf("%s, %zu files, %d rounds: floor %.3f-%.3f s (%.1f-%.1f us a file)\n", title,
                paths.size(), rounds, floorLow, floorHigh, floorLow * 1e6 / paths.size(),
                floorHigh * 1e6 / paths.size());
    for (std::size_t i = 0; i < passes.size(); ++i) {
        std::printf("  %-10s %5.2f-%5.2f x the floor, best %5.2f x best (%s)\n", passes[i].first,
                    lowest[i], highest[i], best[i] / floorLow, target);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    const int slowCount = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1000;
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    const auto folder = MakeBenchFolder();
    if (!folder) {
        return 1;
    }
    const std::filesystem::path root = *folder;

    std::printf("building %d files under %s\n", count, root.c_str());
    const std::vector<std::string> paths = BuildCorpus(root, count);
    int floorDone = 0;
    int valid = 0;
    RawFloor(paths); // warm the cache
    TimePass(RawFloor, paths, false, floorDone);
    TimePass(Analyse, paths, false, valid);
    std::printf("%d of %zu files read by the floor, %d valid\n", floorDone, paths.size(), valid);
    CompareWithFloor("warm", paths, false, rounds, {{"analysis", Analyse}, {"info", Info}},
                     "info: target at most 1.3");
    if (CanDropCaches()) {
        CompareWithFloor("cold", paths, true, rounds, {{"analysis", Analyse}, {"info", Info}},
                         "info: target at most 0.6");
    } else {
        std::printf("cold: skipped, dropping the page cache needs root\n");
    }
    const std::vector<std::string> slowPaths(
        paths.begin(), paths.begin() + std::min<std::ptrdiff_t>(slowCount, count));
    SlowDevice = true;
    CompareWithFloor("1 ms a request (open, pread)", slowPaths, false, rounds,
                     {{"analysis", Analyse}, {"info", Info}},
                     "info: target at most 0.125, 8 times faster");
    SlowDevice = false;

    // 100 MB without a single sync pattern: no byte 0xFF at all
    const std::string big = (root / "no-frames.mp3").string();
    {
        TRandom random;
        std::string block(1 << 20, '\0');
        std::ofstream out(big, std::ios::binary | std::ios::trunc);
        for (int mb = 0; mb < 100; ++mb) {
            for (auto& byte : block) {
                byte = static_cast<char>(random.Next() % 255);
            }
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
        }
    }
    TMPEGAudio audio;
    long yields = 0;
    audio.SetFileName(big); // warm the cache
    const auto start = TClock::now();
    audio.SetFileName(big, [&yields] { ++yields; });
    const double seconds = SecondsSince(start);
    std::printf("100 MB without frames: %.3f s (%.0f MB/s), valid %d, %ld yields\n", seconds,
                100 / seconds, audio.IsValid() ? 1 : 0, yields);

    // 5 GiB of zero bytes in a sparse file: the search runs at the speed of reading
    const std::string sparse = (root / "sparse.mp3").string();
    const long long sparseLength = 5LL << 30;
    WriteFile(sparse, "x");
    if (::truncate(sparse.c_str(), sparseLength) == 0) {
        const std::string dd = "dd if='" + sparse + "' of=/dev/null bs=1M status=none";
        double lowest = 1e30;
        double highest = 0;
        double analysisLow = 1e30;
        // the first read of a hole fills the page cache with zero pages: both read it warm
        if (std::system(dd.c_str()) != 0) {
            std::printf("5 GiB sparse: dd failed\n");
        }
        for (int round = 0; round < rounds; ++round) {
            const auto ddStart = TClock::now();
            if (std::system(dd.c_str()) != 0) {
                std::printf("5 GiB sparse: dd failed\n");
                break;
            }
            const double ddSeconds = SecondsSince(ddStart);
            yields = 0;
            const auto sparseStart = TClock::now();
            audio.SetFileName(sparse, [&yields] { ++yields; });
            const double sparseSeconds = SecondsSince(sparseStart);
            analysisLow = std::min(analysisLow, sparseSeconds);
            lowest = std::min(lowest, sparseSeconds / ddSeconds);
            highest = std::max(highest, sparseSeconds / ddSeconds);
        }
        std::printf("5 GiB sparse without frames: best %.3f s, %.2f-%.2f x dd bs=1M (target at "
                    "most 1.5), valid %d, %ld yields\n",
                    analysisLow, lowest, highest, audio.IsValid() ? 1 : 0, yields);
    } else {
        std::printf("5 GiB sparse without frames: skipped, no sparse file here\n");
    }

    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return 0;
}
