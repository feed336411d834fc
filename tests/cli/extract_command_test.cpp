#include "cli_run.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>

namespace {

const std::string Stream = MakeMp3Stream(3);
const std::string OldTrailer =
    MakeTrailer("Old Title", "Old Artist", "Old Album", "1999", "Old Comment", 5, 17);

// The line of the output that starts with `start` ("" when there is none).
std::string Line(const std::string& out, const std::string& start)
{
    const auto pos = out.find("\n" + start);
    return pos == std::string::npos ? "" : out.substr(pos + 1, out.find('\n', pos + 1) - pos - 1);
}

TEST(ExtractCommand, PrintsABlockPerFileAndWritesNothing)
{
    TTempDir dir;
    const auto file = dir / "01 [ Some Band - Best Of ] - First Light.mp3";
    WriteBytes(file, Stream + OldTrailer);
    const auto result = RunCli(
        RunExtractCommand, {"--sep", "", "--sep", " [ ", "--sep", " - ", "--sep", " ] - ", file});
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Err, "");
    EXPECT_EQ(result.Out.rfind("File: " + file + "\n", 0), 0u) << result.Out;
    EXPECT_NE(result.Out.find("  Album    =Best Of\n  Title    =First Light\n"
                              "Formula: Track [ Artist - Album ] - Title\n"),
              std::string::npos);
    EXPECT_NE(result.Out.find("  Year     = 1999\n  Comment  = Old Comment\n"), std::string::npos);
    EXPECT_EQ(Line(result.Out, "Check: "), "Check: complete");
    EXPECT_EQ(ReadBytes(file), Stream + OldTrailer);
}

TEST(ExtractCommand, BuildsTheFormulaAndOptionsFromItsArguments)
{
    TTempDir dir;
    const auto file = dir / "Music/a_b - c d.mp3";
    WriteBytes(file, Stream + OldTrailer);
    struct
    {
        const char* Rule;
        std::vector<std::string> Args;
        std::string Text;
        std::string Extracted; // the extracted lines, joined ("" when not checked)
    } const cases[] = {
        {"empty separators and named fields in any case",
         {"--sep", "", "--sep", " - ", "--field", "artist", "--field", "TITLE"},
         "a_b - c d.mp3",
         "  Artist   =a b\n  Title    =c d\n"},
        {"given pairs replace the starting one and apply in order",
         {"--sep", "", "--sep", " - ", "--replace", "c=x", "--replace", "x=y"},
         "a_b - c d.mp3",
         "  Track    =a_b\n  Artist   =y d\n"},
        {"the path without its root", {"--path", "--sep", "/"}, file.substr(1), ""},
        {"case and trimming",
         {"--sep", "", "--sep", "-", "--case", "Upper", "--trim"},
         "a_b - c d.mp3",
         "  Track    =A B\n  Artist   =C D\n"},
    };
    for (const auto& c : cases) {
        auto args = c.Args;
        args.push_back(file);
        const auto result = RunCli(RunExtractCommand, args);
        EXPECT_EQ(result.Status, 0) << c.Rule;
        EXPECT_EQ(Line(result.Out, "Text: "), "Text: " + c.Text) << c.Rule;
        const auto begin = result.Out.find("Extracted:\n") + 11;
        if (!c.Extracted.empty()) {
            EXPECT_EQ(result.Out.substr(begin, result.Out.find("Formula:") - begin), c.Extracted)
                << c.Rule;
        }
    }
}

TEST(ExtractCommand, WritesAndReportsFilesNotProcessedCorrectly)
{
    TTempDir dir;
    const auto good = dir / "Band - Song.mp3";
    const auto bad = dir / "Nodash.mp3";
    WriteBytes(good, Stream + OldTrailer);
    WriteBytes(bad, Stream + OldTrailer);
    const std::vector<std::string> formula = {"--sep",  "",        "--sep", " - ",     "--field",
                                              "Artist", "--field", "Title", "--clear", "--write"};
    auto args = formula;
    args.insert(args.end(), {good, bad});
    auto result = RunCli(RunExtractCommand, args);
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(ReadBytes(good), Stream + MakeTrailer("Song", "Band", "", "", "", 5, 17));
    EXPECT_NE(result.Out.find("Check: complete\nWrite: written\n\nFile: " + bad),
              std::string::npos);
    // still written: the clear mode empties the fields the run did not find
    EXPECT_NE(result.Out.find("Check: not processed correctly\nWrite: written\n"),
              std::string::npos);
    EXPECT_EQ(ReadBytes(bad), Stream + MakeTrailer("", "", "", "", "", 5, 17));

    args = formula;
    args.push_back(dir / "A - B.mp3");
    result = RunCli(RunExtractCommand, args);
    EXPECT_EQ(result.Status, 1);
    EXPECT_NE(result.Out.find("\nWrite: not written: file not found\n"), std::string::npos);
    EXPECT_EQ(result.Err,
              "cantrel-cli extract: " + dir / "A - B.mp3" + ": not written: file not found\n");
}

} // namespace
