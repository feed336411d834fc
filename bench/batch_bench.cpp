// Batch speed over a corpus of synthetic MP3 files in nested folders:
//  - a whole-path tag write (the artist of every file) next to what `cantrel-cli info` needs to
//    read the same files (target: the write within 2 times the read);
//  - a rename of every file from a file-name macro next to a plain rename(2) loop over the same
//    files in one process, as a script's os.rename loop does (target: within 2 times the loop).
//
// Usage: batch_bench [FILE_COUNT]   (default 10000; the corpus goes to $TMPDIR)

#include "batch/batch_run.h"
#include "batch/macro_rename.h"
#include "batch/tag_write.h"
#include "bench/bench_folder.h"
#include "cli/commands.h"
#include "engine/block_reader.h"
#include "engine/mpeg_audio.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <streambuf>
#include <string>
#include <time.h>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

// Takes every character and keeps none, so the command's output is formatted but not stored.
class TDiscard : public std::streambuf
{
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

std::string Frame()
{
    std::string frame(417, '\0');
    frame[0] = '\xFF';
    frame[1] = '\xFB';
    frame[2] = '\x90';
    return frame;
}

// Eight frames and, for three files in four, a trailer with a title and a track.
std::string SyntheticMp3(int index)
{
    std::string bytes;
    for (int i = 0; i < 8; ++i) {
        bytes += Frame();
    }
    if (index % 4 != 0) {
        std::string trailer(128, '\0');
        trailer.replace(0, 3, "TAG");
        const std::string title = "Song " + std::to_string(index);
        trailer.replace(3, title.size(), title);
        trailer[126] = static_cast<char>(index % 100);
        trailer[127] = 17;
        bytes += trailer;
    }
    return bytes;
}

std::vector<std::string> BuildCorpus(const std::filesystem::path& root, int count)
{
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        const auto folder =
            root / ("artist" + std::to_string(i / 1000)) / ("album" + std::to_string(i / 100 % 10));
        std::filesystem::create_directories(folder);
        paths.push_back((folder / ("track" + std::to_string(i) + ".mp3")).string());
        const std::string bytes = SyntheticMp3(i);
        std::ofstream(paths.back(), std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    return paths;
}

// The best wall-clock and processor times of the runs of one pass. The processor time (this
// process's, system calls included) hardly moves with the load of other programs on a shared
// machine, where the wall clock can double.
struct TBest
{
    double Wall = 1e30;
    double Cpu = 1e30;
};

double CpuNow()
{
    timespec now = {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

void Time(TBest& best, const std::function<void()>& pass)
{
    const auto start = TClock::now();
    const double cpuStart = CpuNow();
    pass();
    best.Cpu = std::min(best.Cpu, CpuNow() - cpuStart);
    best.Wall = std::min(best.Wall, std::chrono::duration<double>(TClock::now() - start).count());
}

// Renames every file from `from[i]` to `to[i]` with plain rename(2); the number renamed.
int PlainRenames(const std::vector<std::string>& from, const std::vector<std::string>& to)
{
    int done = 0;
    for (std::size_t i = 0; i < from.size(); ++i) {
        done += std::rename(from[i].c_str(), to[i].c_str()) == 0 ? 1 : 0;
    }
    return done;
}

void Report(const char* what, const TBest& best, std::size_t files)
{
    std::printf("%-28s %8.3f s %10.0f files/s   cpu %8.3f s\n", what, best.Wall,
                static_cast<double>(files) / best.Wall, best.Cpu);
}

void Ratio(const char* what, const TBest& part, const TBest& whole, const TBatchResult& result,
           const char* done)
{
    std::printf("%s: %.2f, cpu %.2f (target at most 2), %d %s, %zu refused\n", what,
                part.Wall / whole.Wall, part.Cpu / whole.Cpu, result.Done, done,
                result.Failures.size());
}

} // namespace

int main(int argc, char** argv)
{
    KeepFreedBuffers(); // as the programs do
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    const auto folder = MakeBenchFolder();
    if (!folder) {
        return 1;
    }
    const std::filesystem::path root = *folder;
    std::printf("building %d files under %s\n", count, root.c_str());
    const std::vector<std::string> paths = BuildCorpus(root, count);

    TDiscard discard;
    std::ostream sink(&discard);
    std::vector<std::string> infoArgs = paths;
    TTagEdits edits;
    edits.Artist = "Benchmark Artist";
    TBatchControl control;
    control.Yield = [] {};
    control.Progress = [](int, int, const std::string&) {};
    TMPEGAudio audio;
    const TFileStep write = [&](const std::string& path, const TYieldFn& yield) {
        return WriteTagToFile(audio, path, edits, yield);
    };

    // the best of three runs each, the cache warmed by the first
    TBest info;
    TBest written;
    TBatchResult writeResult;
    for (int run = 0; run < 3; ++run) {
        Time(info, [&] { RunCommandLine("info", RunInfoCommand, infoArgs, sink, sink); });
        Time(written, [&] { writeResult = RunBatch(paths, write, control); });
    }
    Report("info (read and print)", info, paths.size());
    Report("whole-path write", written, paths.size());
    Ratio("write / info", written, info, writeResult, "written");
    std::printf("\n");

    // The macro names each file after its title and track in its own folder, as the plain loop
    // renames each file in its folder; each round puts the files back with a plain loop.
    std::vector<std::string> moved;
    for (const auto& path : paths) {
        moved.push_back(path + ".moved");
    }
    TBest plain;
    TBest renamed;
    TBatchResult renameResult;
    std::vector<std::string> newPaths(paths.size());
    for (int run = 0; run < 3; ++run) {
        int plainDone = 0;
        Time(plain, [&] { plainDone = PlainRenames(paths, moved); });
        PlainRenames(moved, paths);

        TMacroRenamer renamer("%tr,t% - %t,t% (%a,t%)", {}, {});
        std::size_t next = 0;
        const TFileStep step = [&](const std::string& path, const TYieldFn& yield) {
            TRenameOutcome outcome = renamer.Rename(path, yield);
            newPaths[next++] = std::move(outcome.NewPath);
            return outcome.Outcome;
        };
        Time(renamed, [&] {
            renamer.ReadAhead(paths);
            renameResult = RunBatch(paths, step, control);
        });
        if (plainDone != count || PlainRenames(newPaths, paths) != count) {
            std::printf("renaming back failed\n");
            return 1;
        }
    }
    TBest analysis;
    for (int run = 0; run < 3; ++run) {
        Time(analysis, [&] {
            for (const auto& path : paths) {
                audio.SetFileName(path);
            }
        });
    }
    Report("analysis alone", analysis, paths.size());
    Report("plain rename loop", plain, paths.size());
    Report("rename from macro", renamed, paths.size());
    Ratio("macro / plain", renamed, plain, renameResult, "renamed");

    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return 0;
}
