// The cost of the undo journal over a corpus of synthetic MP3 files:
//  - a tag write of every file without and with the journal (target: the journal adds at most
//    20%), and the journal's record alone (the look at every file before the first is touched);
//  - the undo of the journaled write (target: no longer than the write), which must give back
//    every file byte for byte.
//
// Usage: undo_bench [FILE_COUNT]   (default 10000; the corpus and journal go to $TMPDIR)

#include "batch/batch_run.h"
#include "batch/tag_write.h"
#include "bench/bench_folder.h"
#include "engine/mpeg_audio.h"
#include "journal/journal_session.h"
#include "journal/undo_batch.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

// Every run starts with what the run before wrote on the disk (sync): a batch that a user starts
// follows the last one by seconds, not microseconds, and that writeback would otherwise fall into
// the next run, on whichever side of the comparison came after it.
double Seconds(const std::function<void()>& work)
{
    sync();
    const auto start = TClock::now();
    work();
    return std::chrono::duration<double>(TClock::now() - start).count();
}

// Eight frames of MPEG-1 Layer III; every other file with a trailer.
std::string SyntheticMp3(int index)
{
    std::string frame(417, '\0');
    frame[0] = '\xFF';
    frame[1] = '\xFB';
    frame[2] = '\x90';
    std::string bytes;
    for (int i = 0; i < 8; ++i) {
        bytes += frame;
    }
    if (index % 2 == 0) {
        std::string trailer(128, '\0');
        trailer.replace(0, 3, "TAG");
        trailer.replace(3, 9, "Song " + std::to_string(index % 1000));
        bytes += trailer;
    }
    return bytes;
}

std::string Content(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
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
    const std::string state = (root / "state").string();
    // Two copies of the corpus: the plain writes go to one, the journaled ones to the other, run
    // by turns, so that both meet the machine in the same moods; only the journaled copy is
    // undone and compared.
    std::printf("building 2 x %d files under %s\n", count, root.c_str());
    std::vector<std::string> plainPaths;
    std::vector<std::string> paths;
    std::vector<std::string> bytes;
    for (int i = 0; i < count; ++i) {
        bytes.push_back(SyntheticMp3(i));
        for (auto* list : {&plainPaths, &paths}) {
            const auto dir =
                root / (list == &paths ? "journaled" : "plain") / ("d" + std::to_string(i / 500));
            std::filesystem::create_directories(dir);
            list->push_back((dir / ("f" + std::to_string(i) + ".mp3")).string());
            std::ofstream(list->back(), std::ios::binary) << bytes.back();
        }
    }

    TTagEdits edits;
    edits.Artist = "Benchmark Artist";
    TMPEGAudio audio;
    // as the window and cantrel-cli write: the step in two parts, read and change
    const TFileRead write = [&](const std::string& path, const TYieldFn& yield) {
        return ReadForTagWrite(audio, path, edits, yield);
    };
    // best of five each, the cache warmed by the first
    constexpr int Runs = 5;
    double plain = 1e30;
    double journaled = 1e30;
    for (int run = 0; run < Runs; ++run) {
        plain = std::min(plain, Seconds([&] { RunBatch(plainPaths, write, {}); }));
        journaled = std::min(journaled, Seconds([&] {
                                 TJournalSession journal(state, JournalWrite, 0);
                                 TBatchControl control;
                                 control.Journal = &journal;
                                 RunBatch(paths, write, control);
                             }));
    }
    // the record alone: the look at every file before the first is touched (a session that
    // marks no file leaves no record behind)
    double record = 1e30;
    for (int run = 0; run < 3; ++run) {
        record = std::min(record, Seconds([&] {
                              TJournalSession journal(state, JournalWrite, 0);
                              journal.Begin(paths);
                          }));
    }
    // the newest batch is the last journaled write; its files held what the one before left, so
    // all are undone, newest first, to reach the corpus as built
    double undone = 0;
    int refused = 0;
    for (int run = 0; run < Runs; ++run) {
        const TUndoChoice choice = ChooseUndoBatch(state, Runs - run);
        if (!choice.Batch) {
            std::printf("batch %d not in the journal\n", Runs - run);
            return 1;
        }
        const double seconds = Seconds([&] {
            TJournalSession journal(state, JournalUndo, 0);
            TBatchControl control;
            control.Journal = &journal;
            refused += static_cast<int>(UndoBatch(*choice.Batch, control).Failures.size());
        });
        undone = run == 0 ? seconds : std::max(undone, seconds);
    }
    std::printf("%-24s %8.3f s\n%-24s %8.3f s\n%-24s %8.3f s\n%-24s %8.3f s\n", "write", plain,
                "write with journal", journaled, "  of which the record", record,
                "undo (slowest of 5)", undone);
    std::printf("journal / write: %.2f (target at most 1.20), undo / write: %.2f (target at most "
                "1), %d refused\n",
                journaled / plain, undone / journaled, refused);
    int different = 0;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        different += Content(paths[i]) != bytes[i] ? 1 : 0;
    }
    std::printf("%d of %d files differ from the corpus after the undo\n", different, count);
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return different == 0 && refused == 0 ? 0 : 1;
}
