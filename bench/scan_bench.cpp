// Times a recursive "*.mp3" scan of a generated tree next to `find DIR -iname '*.mp3'` on the
// same tree. Usage: scan_bench [FILES [FOLDERS [ROUNDS]]] (default 100000 files in 1000 folders,
// 5 rounds; the best round of each counts).

#include "bench/bench_folder.h"
#include "scan/tree_scanner.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

double Seconds(std::chrono::steady_clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

// FOLDERS folders, two levels deep, holding FILES files: most ".mp3" (some in capitals), some
// other files beside them.
void BuildTree(const fs::path& root, long files, long folders)
{
    const long perFolder = std::max(1L, files / std::max(1L, folders));
    long written = 0;
    for (long f = 0; f < folders; ++f) {
        const fs::path folder =
            root / ("Artist " + std::to_string(f / 32)) / ("Album " + std::to_string(f));
        fs::create_directories(folder);
        for (long i = 0; i < perFolder && written < files; ++i, ++written) {
            const char* extension = i % 10 == 9 ? ".jpg" : i % 10 == 8 ? ".MP3" : ".mp3";
            std::ofstream(folder / ("Track " + std::to_string(i) + extension));
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    const long files = argc > 1 ? std::atol(argv[1]) : 100000;
    const long folders = argc > 2 ? std::atol(argv[2]) : 1000;
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 5;

    const auto folder = MakeBenchFolder();
    if (!folder) {
        return 1;
    }
    const fs::path root = *folder;
    std::printf("building %ld files in %ld folders in %s\n", files, folders, root.c_str());
    BuildTree(root, files, folders);

    const std::string findCommand = "find '" + root.string() + "' -iname '*.mp3' > /dev/null";
    double bestScan = 1e9;
    double bestFind = 1e9;
    long reported = 0;
    for (int round = 0; round < rounds; ++round) {
        TTreeScanner scanner;
        scanner.InitialDirectory = root.string();
        scanner.FileMask = "*.mp3";
        long count = 0;
        scanner.OnFileFound = [&count](TTreeScanner&) { ++count; };
        auto start = std::chrono::steady_clock::now();
        scanner.StartSearch();
        bestScan = std::min(bestScan, Seconds(std::chrono::steady_clock::now() - start));
        reported = count;

        start = std::chrono::steady_clock::now();
        if (std::system(findCommand.c_str()) != 0) {
            std::fprintf(stderr, "find failed\n");
        }
        bestFind = std::min(bestFind, Seconds(std::chrono::steady_clock::now() - start));
    }
    std::printf("scanner: %.3f s for %ld files\n", bestScan, reported);
    std::printf("find:    %.3f s\n", bestFind);
    std::printf("ratio:   %.2f (target at most 1.5)\n", bestScan / bestFind);

    std::error_code ignored;
    fs::remove_all(root, ignored);
    return 0;
}
