// Analysis speed: SetFileName over a corpus of synthetic MP3 files next to a raw floor (open,
// read the first 4 KiB, read the last 128 bytes, close) measured in the same run, and the search
// through a 100 MB file that holds no frame at all and through a 5 GB sparse one, in MB/s.
//
// Usage: analysis_bench [FILE_COUNT]   (default 10000)

#include "bench/bench_folder.h"
#include "engine/mpeg_audio.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

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

// The least any analysis must do: open, first 4 KiB, last 128 bytes, close.
int RawFloor(const std::vector<std::string>& paths)
{
    char head[4096];
    char tail[128];
    int done = 0;
    for (const auto& path : paths) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        const bool read = ::read(fd, head, sizeof(head)) > 0 && ::lseek(fd, -128, SEEK_END) >= 0 &&
                          ::read(fd, tail, sizeof(tail)) == 128;
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

// The best of three runs, in files per second.
template <typename TPass>
double FilesPerSecond(const std::vector<std::string>& paths, TPass pass, int& result)
{
    double best = 1e30;
    for (int run = 0; run < 3; ++run) {
        const auto start = TClock::now();
        result = pass(paths);
        best = std::min(best, SecondsSince(start));
    }
    return static_cast<double>(paths.size()) / best;
}

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
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
    const double floorRate = FilesPerSecond(paths, RawFloor, floorDone);
    const double analysisRate = FilesPerSecond(paths, Analyse, valid);
    std::printf("raw floor:  %10.0f files/s (%d files read)\n", floorRate, floorDone);
    std::printf("analysis:   %10.0f files/s (%d of %zu valid)\n", analysisRate, valid,
                paths.size());
    std::printf("ratio:      %10.2f (target at most 1.5)\n", floorRate / analysisRate);

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

    // 5 GB of zero bytes in a sparse file: the search runs at the speed of reading
    const std::string sparse = (root / "sparse.mp3").string();
    const long long sparseLength = 5'000'000'000LL;
    WriteFile(sparse, "x");
    if (::truncate(sparse.c_str(), sparseLength) == 0) {
        yields = 0;
        const auto sparseStart = TClock::now();
        audio.SetFileName(sparse, [&yields] { ++yields; });
        const double sparseSeconds = SecondsSince(sparseStart);
        std::printf("5 GB sparse without frames: %.3f s (%.0f MB/s, target under 5 s), valid %d, "
                    "%ld yields\n",
                    sparseSeconds, static_cast<double>(sparseLength) / 1e6 / sparseSeconds,
                    audio.IsValid() ? 1 : 0, yields);
    } else {
        std::printf("5 GB sparse without frames: skipped, no sparse file here\n");
    }

    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return 0;
}
