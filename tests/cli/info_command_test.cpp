#include "cli/json_text.h"
#include "cli_run.h"
#include "support/id3v2_fixture.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>

namespace {

const std::string Id3v2 = MakeId3v2Tag(3, {{"TIT2", TextBody(TId3v2Encoding::Utf16, "Zwei")},
                                           {"TRCK", TextBody(TId3v2Encoding::Latin1, "3/12")}});

// Everything but the fileage line, which depends on the clock.
std::string WithoutAge(const std::string& text)
{
    std::istringstream lines(text);
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("fileage=", 0) != 0) {
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
                   Id3v2 + MakeMp3Stream(3) +
                       MakeTrailer("Caf\xE9", "Artist", "", "1999", "Nice", 4, 137))
            .string();
    const TCliRun run = RunCli(RunInfoCommand, {tagged, dir / "gone.mp3"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    const std::string out = WithoutAge(run.Out);
    EXPECT_EQ(out.rfind("file=" + tagged + "\nvalid=1\nversion=1\n", 0), 0u) << out;
    for (const std::string& key : std::vector<std::string>{
             "\nbitrate=128\nmode=0\nmode_name=Stereo\n", "\ntitle=Caf\xC3\xA9\nartist=Artist\n",
             "\ngenre=137\ngenre_name=Heavy Metal\ntrack=4\nid3v2_title=Zwei\nid3v2_artist=\n"
             "id3v2_album=\nid3v2_year=\nid3v2_comment=\nid3v2_genre=\nid3v2_track=3/12\n\nfile=" +
                 dir / "gone.mp3" + "\nvalid=0\n"}) {
        EXPECT_NE(out.find(key), std::string::npos) << key;
    }
    EXPECT_NE(run.Out.find("\nfilelength=" + std::to_string(1379 + Id3v2.size()) + "\nfileage="),
              std::string::npos);
    EXPECT_NE(run.Out.find("\nfileage=0\nvolumelabel=\ntitle=[not found: gone.mp3]\n"),
              std::string::npos);
}

TEST(InfoCommand, PrintsAJsonArray)
{
    TTempDir dir;
    const std::string odd = WriteBytes(dir.Path() / "odd\xFF\"name.mp3", MakeMp3Stream(2)).string();
    const std::string tagged = WriteBytes(dir.Path() / "b.mp3", Id3v2 + MakeMp3Stream(2)).string();
    const TCliRun run = RunCli(RunInfoCommand, {"--json", odd, tagged});
    EXPECT_EQ(run.Status, 0);
    const std::string escaped = "odd\\u00FF\\\"name.mp3";
    EXPECT_EQ(run.Out.rfind("[\n  {\n    \"file\": \"" + dir.Path().string() + "/" + escaped +
                                "\",\n    \"valid\": 1,\n    \"version\": 1,\n",
                            0),
              0u)
        << run.Out;
    EXPECT_NE(run.Out.find("    \"title\": \"" + escaped + "\",\n"), std::string::npos);
    EXPECT_NE(run.Out.find("    \"track\": 0,\n    \"id3v2\": null\n  },\n"), std::string::npos);
    EXPECT_NE(
        run.Out.find("    \"id3v2\": {\n      \"title\": \"Zwei\",\n      \"artist\": null,\n"
                     "      \"album\": null,\n      \"year\": null,\n      \"comment\": null,\n"
                     "      \"genre\": null,\n      \"track\": \"3/12\"\n    }\n  }\n]\n"),
        std::string::npos)
        << run.Out;
}

TEST(InfoCommand, EscapesJsonText)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"a\nb\tc\x01\x1F", "\"a\\nb\\tc\\u0001\\u001F\""},
        {"Caf\xC3\xA9 \xE2\x82\xAC", "\"Caf\xC3\xA9 \xE2\x82\xAC\""}, // UTF-8 stays
        {"a\xE9z", "\"a\\u00E9z\""},                                  // a stray byte
        {"a\xE2\x82", "\"a\\u00E2\\u0082\""},                         // a cut sequence
    };
    for (const auto& [text, json] : cases) {
        EXPECT_EQ(JsonString(text), json) << text;
    }
}

TEST(InfoCommand, KeepsEachValueOnOneLine)
{
    TTempDir dir;
    const auto path = WriteBytes(dir.Path() / "a\nvalid=1\t\\.mp3", "x");
    const TCliRun run = RunCli(RunInfoCommand, {path.string()});
    EXPECT_EQ(
        run.Out.rfind("file=" + dir.Path().string() + "/a\\nvalid=1\\t\\\\.mp3\nvalid=0\n", 0), 0u)
        << run.Out;
    const std::pair<const char*, const char*> cases[] = {
        {"plain \xC3\xA9", "plain \xC3\xA9"},
        {"a\r\x01\x7F\x1F", "a\\x0D\\x01\\x7F\\x1F"},
    };
    for (const auto& [text, line] : cases) {
        EXPECT_EQ(LineText(text), line) << text;
    }
}

TEST(InfoCommand, TakesNamesStartingWithADashAfterTwoDashes)
{
    TTempDir dir;
    const std::string path = WriteBytes(dir.Path() / "-x.mp3", MakeMp3Stream(2)).string();
    const auto home = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    const TCliRun run = RunCli(RunInfoCommand, {"--", "-x.mp3"});
    std::filesystem::current_path(home);
    EXPECT_EQ(run.Status, 0);
    EXPECT_NE(run.Out.find("file=" + path + "\nvalid=1\n"), std::string::npos) << run.Out;
}

} // namespace
