#include "cli/commands.h"
#include "cli/json_text.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

struct TRun
{
    int Status;
    std::string Out;
    std::string Err;
};

TRun RunInfo(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunInfoCommand(args, out, err);
    return {status, out.str(), err.str()};
}

// Everything but the fileage line, which depends on the clock.
std::string WithoutAge(const std::string& text)
{
    std::istringstream lines(text);
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("fileage=", 0) != 0 && line.find("\"fileage\"") == std::string::npos) {
            kept += line + "\n";
        }
    }
    return kept;
}

TEST(InfoCommand, PrintsOneBlockPerFile)
{
    TTempDir dir;
    const std::string tagged =
        WriteBytes(dir.Path() / "a.mp3",
                   MakeMp3Stream(3) + MakeTrailer("Caf\xE9", "Artist", "", "1999", "Nice", 4, 137))
            .string();
    const TRun run = RunInfo({tagged, dir / "gone.mp3"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    // every key in its place: scripts read this
    const std::string first = "file=" + tagged +
                              "\nvalid=1\nversion=1\nversion_name=1.0\nlayer=3\nlayer_name=III\n"
                              "samplerate=44100\nbitrate=128\nmode=0\nmode_name=Stereo\n"
                              "copyright=0\noriginal=0\nerrorprotection=0\npadding=0\n"
                              "framelength=417\nduration=0\nfilelength=1379\nvolumelabel=\n"
                              "title=Caf\xC3\xA9\nartist=Artist\nalbum=\nyear=1999\ncomment=Nice\n"
                              "genre=137\ngenre_name=Heavy Metal\ntrack=4\n";
    const std::string second = "file=" + dir / "gone.mp3" +
                               "\nvalid=0\nversion=0\nversion_name=Unknown\nlayer=0\n"
                               "layer_name=Unknown\nsamplerate=0\nbitrate=0\nmode=0\n"
                               "mode_name=Stereo\ncopyright=0\noriginal=0\nerrorprotection=0\n"
                               "padding=0\nframelength=0\nduration=0\nfilelength=0\nvolumelabel=\n"
                               "title=[not found: gone.mp3]\nartist=[notag]\nalbum=[notag]\n"
                               "year=    \ncomment=[notag]\ngenre=255\ngenre_name=<unknown>\n"
                               "track=0\n";
    EXPECT_EQ(WithoutAge(run.Out), first + "\n" + second);
    EXPECT_NE(run.Out.find("\nfilelength=1379\nfileage="), std::string::npos);
    EXPECT_NE(run.Out.find("\nfileage=0\nvolumelabel=\ntitle=[not found"), std::string::npos);
}

TEST(InfoCommand, PrintsAJsonArray)
{
    TTempDir dir;
    const std::string odd = WriteBytes(dir.Path() / "odd\xFF\"name.mp3", MakeMp3Stream(2)).string();
    const TRun run = RunInfo({"--json", odd});
    EXPECT_EQ(run.Status, 0);
    const std::string escaped = "odd\\u00FF\\\"name.mp3";
    EXPECT_EQ(run.Out.rfind("[\n  {\n    \"file\": \"" + dir.Path().string() + "/" + escaped +
                                "\",\n    \"valid\": 1,\n    \"version\": 1,\n",
                            0),
              0u)
        << run.Out;
    EXPECT_NE(run.Out.find("    \"title\": \"" + escaped + "\",\n"), std::string::npos);
    EXPECT_NE(run.Out.find("    \"track\": 0\n  }\n]\n"), std::string::npos);
}

TEST(InfoCommand, EscapesJsonText)
{
    const struct
    {
        const char* Rule;
        std::string Text;
        std::string Json;
    } cases[] = {
        {"plain text", "abc", "\"abc\""},
        {"quote and backslash", "a\"b\\c", "\"a\\\"b\\\\c\""},
        {"control characters", "a\nb\tc\x01", "\"a\\nb\\tc\\u0001\""},
        {"UTF-8 stays", "Caf\xC3\xA9 \xE2\x82\xAC", "\"Caf\xC3\xA9 \xE2\x82\xAC\""},
        {"a stray byte is its own character",
         "a\xE9"
         "b",
         "\"a\\u00E9b\""},
        {"a cut sequence", "a\xE2\x82", "\"a\\u00E2\\u0082\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JsonString(c.Text), c.Json) << c.Rule;
    }
}

TEST(InfoCommand, ReportsUsageErrors)
{
    const struct
    {
        const char* Rule;
        std::vector<std::string> Args;
        int Status;
        std::string Message;
    } cases[] = {
        {"no file", {}, 2, "no file given"},
        {"only an option", {"--json"}, 2, "no file given"},
        {"an unknown option", {"--csv", "a.mp3"}, 2, "unknown option '--csv'"},
        {"help", {"--help"}, 0, ""},
    };
    for (const auto& c : cases) {
        const TRun run = RunInfo(c.Args);
        EXPECT_EQ(run.Status, c.Status) << c.Rule;
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << c.Rule;
        EXPECT_NE((run.Status == 0 ? run.Out : run.Err).find("Usage: cantrel-cli info"),
                  std::string::npos)
            << c.Rule;
    }
}

TEST(InfoCommand, TakesNamesStartingWithADashAfterTwoDashes)
{
    TTempDir dir;
    const std::string path = WriteBytes(dir.Path() / "-x.mp3", MakeMp3Stream(2)).string();
    const auto home = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    const TRun run = RunInfo({"--", "-x.mp3"});
    std::filesystem::current_path(home);
    EXPECT_EQ(run.Status, 0);
    EXPECT_NE(run.Out.find("file=" + path + "\nvalid=1\n"), std::string::npos) << run.Out;
}

} // namespace
