#include "catalogue/page_files.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using TLines = std::vector<std::string>;

TEST(TLineReader, AcceptsEveryLineEnding)
{
    const std::string block(16 * 1024 - 1, 'x'); // a CR that ends one block, its LF the next
    const std::pair<std::string, TLines> cases[] = {
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"a\r\r\n\nb\n", {"a", "", "", "b"}},
        {"", {}},
        {block + "\r\nsecond", {block, "second"}},
    };
    TTempDir dir;
    for (const auto& [content, expected] : cases) {
        WriteBytes(dir / "t.htm", content);
        TLineReader reader;
        ASSERT_TRUE(reader.Open(dir / "t.htm"));
        TLines lines;
        for (std::string line; reader.ReadLine(line);) {
            lines.push_back(line);
        }
        EXPECT_EQ(lines, expected) << content.substr(0, 20);
    }
}

} // namespace
