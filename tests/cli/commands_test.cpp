#include "cli_run.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace {

const std::pair<std::string, TCliCommand> Commands[] = {
    {"info", RunInfoCommand},       {"format", RunFormatCommand}, {"ls", RunLsCommand},
    {"extract", RunExtractCommand}, {"html", RunHtmlCommand},     {"write", RunWriteCommand},
    {"clear", RunClearCommand},     {"rename", RunRenameCommand}};

TCliCommand CommandNamed(const std::string& name)
{
    for (const auto& [commandName, run] : Commands) {
        if (commandName == name) {
            return run;
        }
    }
    return nullptr;
}

// Help goes to standard output with status 0 wherever it stands; an unknown option is a usage
// error naming the command.
TEST(Commands, HelpAndUnknownOptionsAlike)
{
    for (const auto& [name, run] : Commands) {
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"--help"}, {"--bogus", "-h"}}) {
            const TCliRun help = RunCli(run, args);
            EXPECT_EQ(help.Status, 0) << name << " " << args.front();
            EXPECT_EQ(help.Out.rfind("Usage: cantrel-cli " + name, 0), 0u) << name;
            EXPECT_EQ(help.Err, "") << name;
        }
        const TCliRun bogus = RunCli(run, {"--bogus"});
        EXPECT_EQ(bogus.Status, 2) << name;
        EXPECT_EQ(bogus.Err.rfind("cantrel-cli " + name + ": unknown option '--bogus'", 0), 0u)
            << bogus.Err;
    }
}

// FILE, TPL, SITE and NONE stand for a tagged file, a template folder, a target folder and a
// missing folder.
TEST(Commands, RejectBadUsageWithoutTouchingFiles)
{
    TTempDir dir;
    const std::string file = dir / "Band - Song.mp3";
    const std::string bytes = MakeMp3Stream() + MakeTrailer("Song", "Band");
    WriteBytes(file, bytes);
    WriteBytes(dir / "templates/_songs.htm", "var_caption_header\n");
    const std::map<std::string, std::string> places = {
        {"FILE", file}, {"TPL", dir / "templates"}, {"SITE", dir / "site"}, {"NONE", dir / "none"}};
    const std::tuple<const char*, std::vector<std::string>, const char*> cases[] = {
        {"info", {}, "no file given"},
        {"info", {"--json"}, "no file given"},
        {"format", {"--json", "--locale", "C"}, "MACRO and FILE missing"},
        {"format", {"%T%"}, "FILE missing"},
        {"format", {"-%T%", "FILE"}, "put -- before a MACRO"},
        {"format", {"%T%", "FILE", "--locale"}, "--locale needs a value"},
        {"format", {"--locale", "de_DE", "%T%", "FILE"}, "unsupported locale 'de_DE'"},
        {"ls", {"--recursive"}, "a FOLDER is needed"},
        {"ls", {"--mask"}, "--mask needs a value"},
        {"ls", {"a", "b"}, "only one FOLDER"},
        {"extract", {"--write"}, "no files"},
        {"extract", {"--sep", "-h"}, "no files"},
        {"extract", {"FILE", "--write", "--sep"}, "needs a value"},
        {"extract", {"--write", "--case", "title", "FILE"}, "unknown case 'title'"},
        {"extract", {"--write", "--field", "Genre", "FILE"}, "unknown field 'Genre'"},
        {"extract", {"--write", "--replace", "ab", "FILE"}, "WHAT=WITH"},
        {"extract", {"--write", "--replace", "a=", "FILE"}, "WHAT=WITH"},
        {"extract", {"--write", "--replace", "a=b", "--replace", "a=c", "FILE"}, "replaced twice"},
        {"extract",
         {"--sep", "a", "--sep", "b", "--sep", "c", "--sep", "d", "--sep", "e", "--sep", "f",
          "--sep", "g", "--write", "FILE"},
         "at most six separators"},
        {"html", {}, "the target folder is missing"},
        {"html", {"--templates", "-h"}, "the target folder is missing"},
        {"html", {"--templates", "TPL", "FILE"}, "the target folder is missing"},
        {"html", {"--templates", "TPL", "--target", "SITE"}, "no files given"},
        {"html", {"--target", "SITE", "FILE", "--templates"}, "needs a folder"},
        {"html", {"--templates", "NONE", "--target", "SITE", "FILE"}, "does not exist"},
        {"html", {"--templates", "FILE", "--target", "SITE", "FILE"}, "is not a folder"},
        {"html", {"--templates", "TPL", "--target", "TPL", "FILE"}, "Choose another target"},
        {"write", {"--artist"}, "option '--artist' needs a value"},
        {"write", {"FILE"}, "no field given: nothing to write"},
        {"clear", {}, "no file given"},
        {"rename", {"%t%"}, "FILE missing"},
    };
    for (const auto& [command, given, message] : cases) {
        std::vector<std::string> args = given;
        for (auto& arg : args) {
            arg = places.count(arg) ? places.at(arg) : arg;
        }
        const TCliRun run = RunCli(CommandNamed(command), args);
        const std::string rule = command + (" " + ::testing::PrintToString(given));
        EXPECT_EQ(run.Status, 2) << rule;
        EXPECT_EQ(run.Err.rfind("cantrel-cli " + std::string(command) + ": ", 0), 0u) << rule;
        EXPECT_NE(run.Err.find(message), std::string::npos) << rule << ": " << run.Err;
        EXPECT_EQ(run.Out, "") << rule;
        EXPECT_EQ(ReadBytes(file), bytes) << rule;
        EXPECT_FALSE(std::filesystem::exists(dir / "site")) << rule;
        EXPECT_FALSE(std::filesystem::exists(dir / "templates/HTML")) << rule;
    }
}

} // namespace
