#include "engine/analysis_read_ahead.h"
#include "support/id3v2_fixture.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

// What a caller of the list sees of one file.
auto Seen(const TMPEGAudio& audio, const TId3v2Reading& id3v2)
{
    return std::make_tuple(audio.FileName, audio.Title, audio.IsValid(), audio.BitRate,
                           audio.FileLength, audio.FileAge, audio.Duration, id3v2);
}

// A list of every kind of entry, some twice, longer than the reading keeps ahead.
std::vector<std::string> MixedList(const TTempDir& dir)
{
    const std::string tag = MakeId3v2Tag(4, {{"TIT2", TextBody(TId3v2Encoding::Latin1, "Two")}});
    const std::vector<std::string> kinds = {
        WriteBytes(dir.Path() / "a.mp3", MakeMp3Stream(3) + MakeTrailer("One")).string(),
        WriteBytes(dir.Path() / "b.mp3", tag + MakeMp3Stream(4)).string(),
        dir / "missing.mp3",
        dir.Path().string(),
        WriteBytes(dir.Path() / "tiny.mp3", "ID3").string(),
        WriteBytes(dir.Path() / "noise.mp3", std::string(5000, '\x42')).string(),
        dir / "pipe.mp3",
    };
    mkfifo(kinds.back().c_str(), 0600);
    std::vector<std::string> list;
    for (std::size_t i = 0; i < 40; ++i) {
        list.push_back(kinds[(i * 7) % kinds.size()]);
    }
    // a run of files that take long to read, as from a slow device, has threads added
    const std::string large = WriteBytes(dir.Path() / "large.mp3", "").string();
    truncate(large.c_str(), 4 << 20);
    list.insert(list.begin() + 10, 6, large);
    return list;
}

TEST(AnalysisReadAhead, HandsOverWhatEachFileAnalysesToInListOrder)
{
    TTempDir dir;
    const std::vector<std::string> list = MixedList(dir);
    // rule, threads at most and at once, files ahead, a yield given, files taken before the
    // list is left
    const std::tuple<const char*, std::size_t, std::size_t, std::size_t, bool, std::size_t>
        cases[] = {
            {"one thread, one file ahead", 1, 0, 1, false, list.size()},
            {"more threads than room ahead", 8, 8, 3, false, list.size()},
            {"the defaults", 16, 0, 64, false, list.size()},
            {"a window waiting with a yield", 4, 4, 5, true, list.size()},
            {"left half way: returns once the threads are done", 3, 3, 4, false, 1},
        };
    for (const auto& [rule, threads, atOnce, ahead, withYield, taken] : cases) {
        TAnalysisReadAhead::TOptions options;
        options.ReadId3v2 = true;
        options.Threads = threads;
        options.FirstThreads = atOnce;
        options.Ahead = ahead;
        TAnalysisReadAhead files(list, options);
        std::size_t count = 0;
        const TYieldFn yield = withYield ? TYieldFn([] {}) : TYieldFn();
        while (count < taken) {
            const TFileAnalysis* got = files.Next(yield);
            ASSERT_NE(got, nullptr) << rule;
            TMPEGAudio alone;
            TId3v2Reading id3v2;
            alone.SetFileName(list[count], {}, id3v2);
            EXPECT_EQ(Seen(got->Audio, got->Id3v2), Seen(alone, id3v2)) << rule << ": " << count;
            ++count;
        }
        EXPECT_TRUE(taken < list.size() || !files.Next(yield)) << rule << ": the end";
        EXPECT_TRUE(taken < list.size() || !files.Next()) << rule << ": the end stays the end";
    }
}

} // namespace
