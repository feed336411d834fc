#include "journal/file_states.h"
#include "support/mp3_fixture.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

std::optional<std::string> TrailerText(const TFileState& state)
{
    if (!state.Trailer) {
        return std::nullopt;
    }
    const char* title = reinterpret_cast<const char*>(state.Trailer->data()) + 3;
    return std::string(title, strnlen(title, 30));
}

// Every kind of name a batch may meet, among enough tagged files, each with its own title, to
// fill several groups of the batched reading: a state given to the wrong file shows.
TEST(FileStates, BatchedReadingGivesWhatEachFileGivesAlone)
{
    TTempDir dir;
    const auto tagged = WriteBytes(dir / "tagged.mp3", MakeMp3Stream() + MakeTrailer("T"));
    mkfifo((dir / "fifo").c_str(), 0600);
    std::filesystem::create_symlink(tagged, dir / "link");
    std::filesystem::create_symlink(dir / "gone", dir / "dangling");
    struct TKind
    {
        std::string Name;
        std::string Bytes; // "-": not a file made here
        std::int64_t Size;
        std::optional<std::string> Title;
    };
    const std::vector<TKind> kinds = {
        {"untagged.mp3", MakeMp3Stream(), 1251, std::nullopt},
        {"short", "TAG" + std::string(97, 'x'), 100, std::nullopt},
        {"exact", MakeTrailer("Exact"), 128, std::nullopt},
        {"one more", "x" + MakeTrailer("One"), 129, "One"},
        {"empty", "", 0, std::nullopt},
        {"odd \n\xff%41", MakeMp3Stream(1) + MakeTrailer("Odd"), 545, "Odd"},
        {"missing", "-", -1, std::nullopt},
        {"dangling", "-", -1, std::nullopt},
        {"link", "-", 1379, "T"},
        {"fifo", "-", 0, std::nullopt},
    };
    std::vector<std::string> paths;
    for (int i = 0; i < 150; ++i) {
        const std::string title = "Title " + std::to_string(i);
        paths.push_back(
            WriteBytes(dir / (title + ".mp3"), MakeMp3Stream(1) + MakeTrailer(title)).string());
        if (i % 15 == 0) {
            const TKind& kind = kinds[static_cast<std::size_t>(i / 15)];
            paths.push_back(kind.Bytes == "-" ? dir / kind.Name
                                              : WriteBytes(dir / kind.Name, kind.Bytes).string());
        }
    }
    paths.push_back(dir.Path().string()); // a folder

    std::vector<TFileState> batched;
    std::vector<TFileState> alone;
    TFileStateReader().Read(paths, batched);
    TFileStateReader(TStateReading::OneByOne).Read(paths, alone);
    ASSERT_EQ(batched.size(), paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        EXPECT_EQ(batched[i], alone[i]) << paths[i];
        EXPECT_EQ(batched[i], ReadFileState(paths[i])) << paths[i];
    }
    // what the one-by-one reading gives is right as well
    for (std::size_t i = 0, title = 0; i < paths.size() - 1; ++i) {
        const auto kind = std::find_if(kinds.begin(), kinds.end(),
                                       [&](const TKind& k) { return paths[i] == dir / k.Name; });
        if (kind == kinds.end()) {
            EXPECT_EQ(TrailerText(alone[i]), "Title " + std::to_string(title++)) << paths[i];
            continue;
        }
        EXPECT_EQ(alone[i].Size, kind->Size) << kind->Name;
        EXPECT_EQ(TrailerText(alone[i]), kind->Title) << kind->Name;
    }
    EXPECT_GT(alone.back().Size, 0);
    EXPECT_FALSE(alone.back().Trailer);
}

} // namespace
