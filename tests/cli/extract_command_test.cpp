#include "cli/commands.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

const std::string Stream = MakeMp3Stream(3);
const std::string OldTrailer =
    MakeTrailer("Old Title", "Old Artist", "Old Album", "1999", "Old Comment", 5, 17);

struct TCliResult
{
    int Status;
    std::string Out;
    std::string Err;
};

TCliResult RunExtract(std::vector<std::string> args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunExtractCommand(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(ExtractCommand, PrintsOneBlockPerFile)
{
    TTempDir dir;
    const auto first = dir / "01 [ Some Band - Best Of ] - First Light.mp3";
    const auto second = dir / "Song.mp3";
    WriteBytes(first, Stream + OldTrailer);
    WriteBytes(second, Stream);
    const auto result =
        RunExtract({"--sep", "", "--sep", " [ ", "--sep", " - ", "--sep", " ] - ", first, second});
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Err, "");
    EXPECT_EQ(result.Out, "File: " + first +
                              "\n"
                              "Text: 01 [ Some Band - Best Of ] - First Light.mp3\n"
                              "Extracted:\n"
                              "  Track    =01\n"
                              "  Artist   =Some Band\n"
                              "  Album    =Best Of\n"
                              "  Title    =First Light\n"
                              "Formula: Track [ Artist - Album ] - Title\n"
                              "All tags:\n"
                              "  Track Nr = 01\n"
                              "  Title    = First Light\n"
                              "  Artist   = Some Band\n"
                              "  Album    = Best Of\n"
                              "  Year     = 1999\n"
                              "  Comment  = Old Comment\n"
                              "  _TRASH_  = \n"
                              "Check: complete\n"
                              "\n"
                              "File: " +
                              second +
                              "\n"
                              "Text: Song.mp3\n"
                              "Extracted:\n"
                              "  Track    =\n"
                              "  Artist   =\n"
                              "  Album    =\n"
                              "  Title    =\n"
                              "Formula: Track [ Artist - Album ] - Title\n"
                              "All tags:\n"
                              "  Track Nr = \n"
                              "  Title    = \n"
                              "  Artist   = \n"
                              "  Album    = \n"
                              "  Year     =     \n"
                              "  Comment  = [notag]\n"
                              "  _TRASH_  = \n"
                              "Check: not processed correctly\n");
    EXPECT_EQ(ReadBytes(first), Stream + OldTrailer) << "nothing is written without --write";
}

TEST(ExtractCommand, RejectsBadUsageWithoutTouchingFiles)
{
    TTempDir dir;
    const auto file = dir / "Band - Song.mp3";
    WriteBytes(file, Stream + OldTrailer);
    const std::vector<std::string> seven = {"--sep", "a", "--sep", "b", "--sep", "c", "--sep", "d",
                                            "--sep", "e", "--sep", "f", "--sep", "g"};
    struct
    {
        const char* Rule;
        std::vector<std::string> Args;
        std::string Message;
    } const cases[] = {
        {"an unknown option", {"--write", "--bogus", file}, "unknown option '--bogus'"},
        {"an unknown case", {"--write", "--case", "title", file}, "unknown case 'title'"},
        {"an unknown field", {"--write", "--field", "Genre", file}, "unknown field 'Genre'"},
        {"a missing value", {file, "--write", "--sep"}, "needs a value"},
        {"a seventh separator", {}, "at most six separators"},
        {"a pair without =", {"--write", "--replace", "ab", file}, "WHAT=WITH"},
        {"a pair with an empty with", {"--write", "--replace", "a=", file}, "WHAT=WITH"},
        {"a text replaced twice",
         {"--write", "--replace", "a=b", "--replace", "a=c", file},
         "replaced twice"},
        {"no files", {"--write"}, "no files"},
    };
    for (const auto& c : cases) {
        auto args = c.Args;
        if (args.empty()) {
            args = seven;
            args.push_back("--write");
            args.push_back(file);
        }
        const auto result = RunExtract(args);
        EXPECT_EQ(result.Status, 2) << c.Rule;
        EXPECT_NE(result.Err.find(c.Message), std::string::npos) << c.Rule << ": " << result.Err;
        EXPECT_EQ(result.Out, "") << c.Rule;
        EXPECT_EQ(ReadBytes(file), Stream + OldTrailer) << c.Rule;
    }
}

std::string Line(const std::string& out, const std::string& start)
{
    const auto pos = out.find("\n" + start);
    return pos == std::string::npos ? "" : out.substr(pos + 1, out.find('\n', pos + 1) - pos - 1);
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
        std::string Extracted; // the extracted lines, joined
    } const cases[] = {
        {"empty separators and named fields in any case",
         {"--sep", "", "--sep", " - ", "--field", "artist", "--field", "TITLE"},
         "a_b - c d.mp3",
         "  Artist   =a b\n  Title    =c d\n"},
        {"given pairs replace the starting one and apply in order",
         {"--sep", "", "--sep", " - ", "--replace", "c=x", "--replace", "x=y"},
         "a_b - c d.mp3",
         "  Track    =a_b\n  Artist   =y d\n"},
        {"the path without its root", {"--path", "--sep", "/"}, "", ""},
        {"case and trimming",
         {"--sep", "", "--sep", "-", "--case", "Upper", "--trim"},
         "a_b - c d.mp3",
         "  Track    =A B\n  Artist   =C D\n"},
    };
    for (const auto& c : cases) {
        auto args = c.Args;
        args.push_back(file);
        const auto result = RunExtract(args);
        EXPECT_EQ(result.Status, 0) << c.Rule;
        if (c.Text.empty()) {
            EXPECT_EQ(Line(result.Out, "Text: "), "Text: " + file.substr(1)) << c.Rule;
            continue;
        }
        EXPECT_EQ(Line(result.Out, "Text: "), "Text: " + c.Text) << c.Rule;
        const auto begin = result.Out.find("Extracted:\n") + 11;
        EXPECT_EQ(result.Out.substr(begin, result.Out.find("Formula:") - begin), c.Extracted)
            << c.Rule;
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
    args.push_back(good);
    auto result = RunExtract(args);
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(Line(result.Out, "Write: "), "Write: written");
    EXPECT_EQ(ReadBytes(good), Stream + MakeTrailer("Song", "Band", "", "", "", 5, 17));

    args.push_back(bad);
    result = RunExtract(args);
    EXPECT_EQ(result.Status, 1);
    EXPECT_NE(result.Out.find("Check: not processed correctly\nWrite: written\n"),
              std::string::npos);
    // still written: the clear mode empties the fields the run did not find
    EXPECT_EQ(ReadBytes(bad), Stream + MakeTrailer("", "", "", "", "", 5, 17));
}

TEST(ExtractCommand, ReportsFilesItCannotWrite)
{
    TTempDir dir;
    const auto missing = dir / "A - B.mp3";
    const auto result = RunExtract({"--sep", "", "--sep", " - ", "--write", missing});
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(Line(result.Out, "Write: "), "Write: not written: file not found");
    EXPECT_EQ(result.Err, "cantrel-cli extract: " + missing + ": not written: file not found\n");
}

} // namespace
