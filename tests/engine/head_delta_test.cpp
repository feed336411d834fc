#include "engine/head_delta.h"

#include <gtest/gtest.h>

namespace {

// A head: "ID3", frames of the given texts and padding to `length` bytes.
std::string Head(const std::string& frames, std::size_t length)
{
    std::string head = "ID3\x04" + std::string(6, '\0') + frames;
    head.resize(length, '\0');
    return head;
}

TEST(HeadDelta, PutsTheOldHeadTogetherFromTheNewOne)
{
    std::string picture(30000, 'p');
    for (std::size_t i = 0; i < picture.size(); i += 7) {
        picture[i] = static_cast<char>(i % 251); // zero bytes inside, and at its end
    }
    picture.back() = '\0';
    const struct
    {
        const char* Rule;
        std::string Old;
        std::string New;
        std::size_t MiddleAtMost; // the bytes the journal keeps of the old head
    } cases[] = {
        {"a frame of the same length", Head("TIT2 Old" + picture, 32768),
         Head("TIT2 New" + picture, 32768), 3},
        {"a longer frame moves the picture within the same length",
         Head("TIT2 Old" + picture, 32768), Head("TIT2 Longer" + picture, 32768), 32768},
        {"written anew: the moved picture is found in the new head",
         Head("TIT2 Old" + picture, 30100), Head("TIT2 Longer" + picture, 34200), 3},
        {"a frame put before the others", Head("TALB x" + picture, 30100),
         Head("TIT2 New" + std::string("TALB x") + picture, 34200), 0},
        {"a head that was none", "", Head("TIT2 New", 4106), 0},
        {"the same head", Head("TIT2 Old", 100), Head("TIT2 Old", 100), 0},
    };
    for (const auto& c : cases) {
        const THeadDelta delta = HeadDelta(c.Old, c.New);
        EXPECT_LE(delta.Middle.size(), c.MiddleAtMost) << c.Rule;
        EXPECT_EQ(OldHeadFrom(c.New, delta), c.Old) << c.Rule;
        if (c.Old.size() != c.New.size() || c.Old == c.New) {
            continue; // a write stopped half way: the edit's fuzz target
        }
        // a byte changed where the batch wrote nothing is not hidden
        std::string changed = c.New;
        changed[5] = 'x';
        EXPECT_EQ(OldHeadFrom(changed, delta), std::nullopt) << c.Rule << ": changed";
    }
}

} // namespace
