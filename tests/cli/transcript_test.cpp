#include "cli/command_options.h"
#include "cli_run.h"
#include "support/id3v2_fixture.h"
#include "support/mp3_fixture.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>

// The transcripts in tests/data/cli are sessions of cantrel-cli commands, each run in a fresh
// folder `{D}` and compared whole with what the commands must print. A line of a transcript is
//   $ COMMAND ARG...     runs `cantrel-cli COMMAND ARG...`
//   json                 the last command's standard output is valid JSON
//   > TEXT, ! TEXT       the next line of standard output, of standard error
//   >~ TEXT, !~ TEXT     the next line starts with TEXT (the rest depends on the clock)
//   >..., !...           any number of lines that are not compared
//   ? N                  the command's exit status (0 when not given)
//   file PATH CONTENT    writes CONTENT (a name from Contents, else the text itself) to {D}/PATH
//   check PATH CONTENT   {D}/PATH holds exactly CONTENT
//   mkdir, rm, exists, absent PATH       on {D}/PATH (the commands run in {D})
// Words are split at spaces ("..." keeps them and may be empty); in words and outputs {D} stands
// for the folder ({R} for the folder without its leading "/"), and \t \r \n \\ \xHH for the byte.

namespace {

const std::string Stream = MakeMp3Stream(3);
const std::string Song = Stream + MakeTrailer("Song", "Band", "Album", "2001", "", 1, 17);
const std::string Zwei =
    MakeId3v2Tag(4, {{"TIT2", TextBody(TId3v2Encoding::Utf8, "Zwei")}}, {.Padding = 20});
const std::string Zwei312 = MakeId3v2Tag(3, {{"TIT2", TextBody(TId3v2Encoding::Utf16, "Zwei")},
                                             {"TRCK", TextBody(TId3v2Encoding::Latin1, "3/12")}});

const std::map<std::string, std::string> Contents = {
    {"stream", Stream},
    {"stream2", MakeMp3Stream(2)},
    {"junk", std::string(500, 'x')},
    {"song", Song},
    {"v2+song", Zwei + Song},
    {"v2+junk", Zwei + std::string(500, 'x')},
    {"v2+song-titled-zwei",
     Zwei + Stream + MakeTrailer("Zwei", "Band", "Album", "2001", "", 1, 17)},
    {"v2+cafe", Zwei312 + Stream + MakeTrailer("Caf\xE9", "Artist", "", "1999", "Nice", 4, 137)},
    {"v2+stream2", Zwei312 + MakeMp3Stream(2)},
    {"old",
     Stream + MakeTrailer("Old Title", "Old Artist", "Old Album", "1999", "Old Comment", 5, 17)},
    {"old-as-band-song", Stream + MakeTrailer("Song", "Band", "", "", "", 5, 17)},
    {"old-cleared", Stream + MakeTrailer("", "", "", "", "", 5, 17)},
    {"blue-sky", Stream + MakeTrailer("Blue Sky", "Ann Arbor", "Lakes", "1999", "", 5, 17)},
    {"hit", Stream + MakeTrailer("Hit", "Ann")},
    {"zhizn-1251",
     Stream + MakeTrailer("\xC6\xE8\xE7\xED\xFC", "[notag]", "[notag]", "    ", "[notag]")},
};

std::string Unescape(const std::string& text, const std::string& dir)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 3, "{D}") == 0 || text.compare(i, 3, "{R}") == 0) {
            result += text[i + 1] == 'D' ? dir : dir.substr(1);
            i += 2;
        } else if (text[i] != '\\' || i + 1 == text.size()) {
            result += text[i];
        } else if (text[++i] == 'x') {
            result += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            const std::string from = "trn";
            const auto escape = from.find(text[i]);
            result += escape == std::string::npos ? text[i] : "\t\r\n"[escape];
        }
    }
    return result;
}

std::vector<std::string> Words(const std::string& line, const std::string& dir)
{
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool started = false;
    for (const char c : line + " ") {
        if (c == '"') {
            quoted = !quoted;
            started = true;
        } else if (c != ' ' || quoted) {
            word += c;
            started = true;
        } else if (started) {
            words.push_back(Unescape(word, dir));
            word.clear();
            started = false;
        }
    }
    return words;
}

// Whether the lines from `e` on describe the output lines from `a` on: " TEXT" is a whole line,
// "~ TEXT" a line starting with TEXT, "..." any number of lines.
bool Matches(const std::vector<std::string>& expected, std::size_t e,
             const std::vector<std::string>& actual, std::size_t a)
{
    if (e == expected.size()) {
        return a == actual.size();
    }
    if (expected[e] == "...") {
        for (std::size_t skipped = a; skipped <= actual.size(); ++skipped) {
            if (Matches(expected, e + 1, actual, skipped)) {
                return true;
            }
        }
        return false;
    }
    const bool prefix = expected[e].starts_with("~");
    const std::string text =
        expected[e].substr(std::min<std::size_t>(expected[e].size(), prefix ? 2 : 1));
    return a < actual.size() && (prefix ? actual[a].starts_with(text) : actual[a] == text) &&
           Matches(expected, e + 1, actual, a + 1);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return lines;
}

bool Matches(const std::vector<std::string>& expected, const std::string& output)
{
    return (output.empty() || output.back() == '\n') && Matches(expected, 0, Lines(output), 0);
}

void RunTranscript(const std::filesystem::path& path)
{
    const std::vector<std::string> lines = Lines(ReadBytes(path));
    ASSERT_FALSE(lines.empty()) << path;
    TTempDir dir;
    const std::string root = dir.Path().string();
    const auto home = std::filesystem::current_path();
    const TOwnStateHome journal(dir / "state");
    std::filesystem::current_path(root);
    std::string lastOut;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string where = path.filename().string() + ":" + std::to_string(i + 1);
        const std::vector<std::string> words = Words(lines[i], root);
        if (words.empty() || words[0].starts_with("#")) {
            continue;
        }
        const std::string target = words.size() > 1 ? dir / words[1] : "";
        const std::string content = words.size() < 3           ? ""
                                    : Contents.count(words[2]) ? Contents.at(words[2])
                                                               : words[2];
        if (words[0] == "$") {
            int status = 0;
            std::vector<std::string> out;
            std::vector<std::string> err;
            for (; i + 1 < lines.size() && lines[i + 1].find_first_of(">!?") == 0; ++i) {
                const std::string& next = lines[i + 1];
                if (next[0] == '?') {
                    status = std::stoi(next.substr(1));
                } else {
                    (next[0] == '>' ? out : err).push_back(Unescape(next.substr(1), root));
                }
            }
            const TCliRun run = RunCommand(words[1], {words.begin() + 2, words.end()});
            lastOut = run.Out;
            EXPECT_TRUE(run.Status == status && Matches(out, run.Out) && Matches(err, run.Err))
                << where << ": status " << run.Status << "\nout:\n"
                << run.Out << "err:\n"
                << run.Err;
        } else if (words[0] == "json") {
            EXPECT_TRUE(nlohmann::json::accept(lastOut)) << where << ":\n" << lastOut;
        } else if (words[0] == "file") {
            WriteBytes(target, content);
        } else if (words[0] == "check") {
            EXPECT_EQ(ReadBytes(target), content) << where;
        } else if (words[0] == "mkdir") {
            std::filesystem::create_directories(target);
        } else if (words[0] == "rm") {
            std::filesystem::remove_all(target);
        } else {
            EXPECT_TRUE(words[0] == "exists" || words[0] == "absent") << where;
            EXPECT_EQ(std::filesystem::exists(target), words[0] == "exists") << where;
        }
    }
    std::filesystem::current_path(home);
}

TEST(Transcripts, EveryCommandPrintsWhatItsTranscriptSays)
{
    const std::filesystem::path folder = CANTREL_TEST_DATA "/cli";
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(entry.path().filename().string());
        RunTranscript(entry.path());
        ++count;
    }
    EXPECT_GT(count, 0);
}

// Help goes to standard output with status 0 wherever it stands; an unknown option is a usage
// error naming the command; no command and an unknown command are usage errors too.
TEST(Transcripts, HelpAndUnknownOptionsAlike)
{
    for (const TCommandSyntax& syntax : CommandSyntaxes()) {
        const std::string name(syntax.Name);
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"--help"}, {"--bogus", "-h"}, {"x", "-h", "--", "-h"}}) {
            const TCliRun help = RunCommand(name, args);
            const bool listsCodePages = help.Out.find("--codepage NAME") != std::string::npos;
            EXPECT_TRUE(help.Status == 0 && help.Out.starts_with("Usage: cantrel-cli " + name) &&
                        help.Err.empty() && listsCodePages == syntax.TakesCodePage)
                << name << " " << args[0] << ": " << help.Status << "\n"
                << help.Out << help.Err;
        }
        const TCliRun bogus = RunCommand(name, {"--bogus=1"});
        EXPECT_EQ(bogus.Status, 2) << name;
        EXPECT_EQ(bogus.Err.rfind("cantrel-cli " + name + ": " + std::string(syntax.UnknownOption) +
                                      " '--bogus=1'",
                                  0),
                  0u)
            << bogus.Err;
    }
    for (const auto& [args, status, out, err] :
         std::vector<std::tuple<std::vector<std::string>, int, std::string, std::string>>{
             {{}, 2, "", "Usage: cantrel-cli COMMAND"},
             {{"-h"}, 0, "Usage: cantrel-cli COMMAND", ""},
             {{"lsx", "."}, 2, "", "cantrel-cli: unknown command 'lsx'"}}) {
        const TCliRun run = RunCli(args);
        EXPECT_TRUE(run.Status == status && run.Out.starts_with(out) && run.Err.starts_with(err) &&
                    (out.empty() ? run.Out : run.Err).empty())
            << testing::PrintToString(args) << ": " << run.Status << "\n"
            << run.Out << run.Err;
    }
}

} // namespace
