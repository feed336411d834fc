#include "catalogue/line_reader.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<std::string> ReadAll(const std::string& path)
{
    TLineReader reader;
    EXPECT_TRUE(reader.Open(path));
    std::vector<std::string> lines;
    std::string line;
    while (reader.ReadLine(line)) {
        lines.push_back(line);
    }
    EXPECT_TRUE(reader.AtEnd());
    return lines;
}

using TLines = std::vector<std::string>;

TEST(TLineReader, AcceptsEveryLineEnding)
{
    const std::pair<const char*, TLines> cases[] = {
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\n", {""}},
        {"", {}},
        {"last line without ending", {"last line without ending"}},
    };
    TTempDir dir;
    for (const auto& [content, expected] : cases) {
        WriteBytes(dir / "t.htm", content);
        EXPECT_EQ(ReadAll(dir / "t.htm"), expected) << content;
    }
}

TEST(TLineReader, CrLfAcrossBlocksIsOneEnding)
{
    TTempDir dir;
    const std::string first(16 * 1024 - 1, 'x'); // the CR ends one block, the LF starts the next
    WriteBytes(dir / "t.htm", first + "\r\nsecond\r\n");
    EXPECT_EQ(ReadAll(dir / "t.htm"), (TLines{first, "second"}));
}

TEST(TLineReader, AtEndSeesTheLastLineComing)
{
    TTempDir dir;
    WriteBytes(dir / "t.htm", "one\ntwo\n");
    TLineReader reader;
    ASSERT_TRUE(reader.Open(dir / "t.htm"));
    std::string line;
    EXPECT_FALSE(reader.AtEnd());
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_FALSE(reader.AtEnd());
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.ReadLine(line));
}

TEST(TLineReader, MissingFileDoesNotOpen)
{
    TTempDir dir;
    TLineReader reader;
    EXPECT_FALSE(reader.Open(dir / "missing.htm"));
    std::string line;
    EXPECT_FALSE(reader.ReadLine(line));
}

} // namespace
