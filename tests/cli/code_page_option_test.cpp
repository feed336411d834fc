#include "cli/code_page_option.h"
#include "cli_run.h"
#include "engine/code_page.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>

namespace {

TCliRun RunTagged(const char* name, TCommandFn command, const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunWithCodePage(name, command, args, out, err);
    return {status, out.str(), err.str()};
}

const std::string Zhizn = "\xD0\x96\xD0\xB8\xD0\xB7\xD0\xBD\xD1\x8C"; // Cyrillic "Zhizn'"

TEST(CodePageOption, TagsAreReadAndWrittenInTheGivenCodePage)
{
    TTempDir dir;
    const std::string song = dir / "song.mp3";
    WriteBytes(song, MakeMp3Stream(3));

    const TCliRun write =
        RunTagged("write", RunWriteCommand, {"--codepage", "WINDOWS-1251", "--title", Zhizn, song});
    ASSERT_EQ(write.Status, 0) << write.Err;
    const std::string written = ReadBytes(song);
    EXPECT_EQ(written.substr(written.size() - 125, 5), "\xC6\xE8\xE7\xED\xFC");

    const struct
    {
        std::vector<std::string> Options;
        std::string Title;
    } cases[] = {
        {{"--codepage", "WINDOWS-1251"}, Zhizn},
        {{"--codepage=windows-1251"}, Zhizn},
        {{}, "\xC3\x86\xC3\xA8\xC3\xA7\xC3\xAD\xC3\xBC"}, // the same bytes as Western letters
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.Options;
        args.push_back(song);
        const TCliRun info = RunTagged("info", RunInfoCommand, args);
        EXPECT_NE(info.Out.find("\ntitle=" + c.Title + "\n"), std::string::npos) << info.Out;
    }
    EXPECT_EQ(ReadBytes(song), written); // reading rewrites nothing
}

TEST(CodePageOption, AnUnknownOrMissingNameIsAUsageError)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--codepage", "UTF-8", "x.mp3"}, {"x.mp3", "--codepage"}}) {
        const TCliRun run = RunTagged("info", RunInfoCommand, args);
        EXPECT_EQ(run.Status, 2);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err.rfind("cantrel-cli info: unknown code page", 0), 0u) << run.Err;
    }
    EXPECT_NE(RunTagged("info", RunInfoCommand, {"--help"}).Out.find("--codepage NAME"),
              std::string::npos);
}

} // namespace
