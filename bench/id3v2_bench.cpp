// ID3v1 from ID3v2 over a corpus of synthetic MP3 files that carry an ID3v2 tag with a cover
// picture and room to spare, as ripped and bought files do: the copy of every file next to a plain
// tag write of the same files (target: the copy within 3 times the write), and a write of both
// tags next to the plain write (target: within 2 times). Each round writes another artist, so
// that every write changes both tags and the copy that follows has a changed tag to write back.
//
// Usage: id3v2_bench [FILE_COUNT [PICTURE_KB]]   (default 10000 files, 30 KB pictures; the
// corpus goes to $TMPDIR)

#include "batch/batch_run.h"
#include "batch/id3v2_copy.h"
#include "batch/tag_write.h"
#include "bench/bench_folder.h"
#include "engine/block_reader.h"
#include "engine/mpeg_audio.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

std::string SyncSafe(std::size_t value)
{
    std::string out;
    for (int shift = 21; shift >= 0; shift -= 7) {
        out += static_cast<char>((value >> shift) & 0x7F);
    }
    return out;
}

// A 2.3 frame: id, plain 32-bit size, two flag bytes, body.
std::string Frame23(const std::string& id, const std::string& body)
{
    std::string frame = id;
    for (int shift = 24; shift >= 0; shift -= 8) {
        frame += static_cast<char>((body.size() >> shift) & 0xFF);
    }
    return frame + std::string(2, '\0') + body;
}

// UTF-16 with a byte-order mark, for ASCII text.
std::string Utf16(const std::string& text)
{
    std::string out = "\x01\xFF\xFE";
    for (const char c : text) {
        out += c;
        out += '\0';
    }
    return out;
}

std::string Id3v2Tag(int index, std::size_t pictureBytes)
{
    std::string picture = std::string("\0image/jpeg\0\x03\0", 14);
    for (std::size_t i = 0; i < pictureBytes; ++i) {
        picture += static_cast<char>((i * 7 + static_cast<std::size_t>(index)) & 0x7F);
    }
    const std::string frames =
        Frame23("TIT2", Utf16("Song " + std::to_string(index))) +
        Frame23("TPE1", Utf16("Artist " + std::to_string(index / 100))) +
        Frame23("TALB", Utf16("Album " + std::to_string(index / 10))) +
        Frame23("TYER", std::string("\0", 1) + "2001") +
        Frame23("TCON", std::string("\0", 1) + "(17)") +
        Frame23("TRCK", std::string("\0", 1) + std::to_string(index % 20 + 1) + "/20") +
        Frame23("APIC", picture) + std::string(1024, '\0'); // padding
    return "ID3\x03" + std::string(2, '\0') + SyncSafe(frames.size()) + frames;
}

std::string Mp3(int index, std::size_t pictureBytes)
{
    std::string frame(417, '\0');
    frame[0] = '\xFF';
    frame[1] = '\xFB';
    frame[2] = '\x90';
    std::string bytes = Id3v2Tag(index, pictureBytes);
    for (int i = 0; i < 8; ++i) {
        bytes += frame;
    }
    if (index % 4 != 0) { // three files in four have an ID3v1 tag already
        std::string trailer(128, '\0');
        trailer.replace(0, 3, "TAG");
        trailer.replace(3, 3, "Old");
        bytes += trailer;
    }
    return bytes;
}

double ProcessorSeconds()
{
    timespec now = {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// The wall-clock time of the pass; its processor time (which holds still on a busy machine,
// where the wall clock can double) is added to `processor`'s best.
double Seconds(const std::function<void()>& pass, double* processor = nullptr)
{
    const auto start = TClock::now();
    const double cpuStart = ProcessorSeconds();
    pass();
    if (processor != nullptr) {
        *processor = std::min(*processor, ProcessorSeconds() - cpuStart);
    }
    return std::chrono::duration<double>(TClock::now() - start).count();
}

void Report(const char* what, double seconds, std::size_t files)
{
    std::printf("%-28s %8.3f s %10.0f files/s\n", what, seconds,
                static_cast<double>(files) / seconds);
}

} // namespace

int main(int argc, char** argv)
{
    KeepFreedBuffers(); // as the programs do
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    const std::size_t pictureBytes =
        1024 * static_cast<std::size_t>(argc > 2 ? std::max(0, std::atoi(argv[2])) : 30);
    const auto folder = MakeBenchFolder();
    if (!folder) {
        return 1;
    }
    std::printf("building %d files with %zu KB pictures under %s\n", count, pictureBytes / 1024,
                folder->c_str());
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        const auto dir = *folder / ("album" + std::to_string(i / 100));
        std::filesystem::create_directories(dir);
        paths.push_back((dir / ("track" + std::to_string(i) + ".mp3")).string());
        const std::string bytes = Mp3(i, pictureBytes);
        std::ofstream(paths.back(), std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    TMPEGAudio audio;
    TTagEdits edits;
    edits.Artist = "Benchmark Artist";
    const TFileStep write = [&](const std::string& path, const TYieldFn& yield) {
        return WriteTagToFile(audio, path, edits, yield);
    };
    const TFileStep writeBoth = [&](const std::string& path, const TYieldFn& yield) {
        return ReadForTagWrite(audio, path, edits, yield, true)();
    };
    const TFileStep copy = [&](const std::string& path, const TYieldFn& yield) {
        return CopyId3v2ToId3v1(audio, path, false, yield).Outcome;
    };
    TBatchControl control;
    control.Yield = [] {};
    control.Progress = [](int, int, const std::string&) {};

    // the best of three rounds each, the cache warmed by the first
    double written = 1e30;
    double both = 1e30;
    double writtenCpu = 1e30;
    double bothCpu = 1e30;
    double copied = 1e30;
    TBatchResult copyResult;
    TBatchResult bothResult;
    // A file read for the first time after a write has its access time updated (relatime), an
    // inode write the reading batch pays for. Every timed batch starts after an untimed read of
    // all files, so that none pays for the writes of the batch before it.
    TMPEGAudio reader;
    const auto readAll = [&] {
        for (const std::string& path : paths) {
            reader.SetFileName(path);
        }
    };
    for (int round = 0; round < 3; ++round) {
        edits.Artist = "Benchmark Artist " + std::to_string(round);
        readAll();
        written = std::min(written, Seconds([&] { RunBatch(paths, write, control); }, &writtenCpu));
        edits.Artist = "Both Tags Artist " + std::to_string(round);
        readAll();
        both = std::min(
            both, Seconds([&] { bothResult = RunBatch(paths, writeBoth, control); }, &bothCpu));
        readAll();
        copied = std::min(copied, Seconds([&] { copyResult = RunBatch(paths, copy, control); }));
    }
    Report("plain tag write", written, paths.size());
    Report("write of both tags", both, paths.size());
    Report("ID3v1 from ID3v2", copied, paths.size());
    std::printf("both / write: %.2f, processor time %.2f (target at most 2), %d written, %zu "
                "refused\n",
                both / written, bothCpu / writtenCpu, bothResult.Done, bothResult.Failures.size());
    std::printf("copy / write: %.2f (target at most 3), %d written, %d unchanged, %zu refused\n",
                copied / written, copyResult.Done, copyResult.Unchanged,
                copyResult.Failures.size());

    std::error_code ignored;
    std::filesystem::remove_all(*folder, ignored);
    return 0;
}
