#include "scan/tree_scanner.h"
#include "support/mp3_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// Runs a search and records every event as "found PATH", "file PATH" or "done PATH", with the
// paths below `root` written relative to it.
class TEventLog
{
public:
    explicit TEventLog(std::string root) : Root(std::move(root)) {}

    std::vector<std::string> Run(TTreeScanner& scanner)
    {
        scanner.OnDirectoryFound = [this](TTreeScanner& s) { Add("found ", s.FileFound()); };
        scanner.OnFileFound = [this](TTreeScanner& s) { Add("file ", s.FileFound()); };
        scanner.OnDirectoryDone = [this](TTreeScanner& s) { Add("done ", s.CurrentDirectory()); };
        scanner.StartSearch();
        return Events;
    }

private:
    void Add(const char* kind, const std::string& path)
    {
        const bool below = path.rfind(Root, 0) == 0;
        Events.push_back(kind + (below ? path.substr(Root.size()) : path));
    }

    std::string Root;
    std::vector<std::string> Events;
};

class TreeScannerTest : public ::testing::Test
{
protected:
    // The folder as the scanner writes it, with a final "/".
    std::string Root() const { return Temp.Path().string() + "/"; }
    void File(const std::string& name) { WriteBytes(Temp.Path() / name, "x"); }
    void Folder(const std::string& name) { fs::create_directories(Temp.Path() / name); }

    // A scanner for the temporary folder, as given (without a final "/").
    TTreeScanner Scanner(const std::string& mask, bool recursive = true) const
    {
        TTreeScanner scanner;
        scanner.InitialDirectory = Temp.Path().string();
        scanner.FileMask = mask;
        scanner.Recursive = recursive;
        return scanner;
    }

    std::vector<std::string> Scan(const std::string& mask, bool recursive = true)
    {
        auto scanner = Scanner(mask, recursive);
        return TEventLog(Root()).Run(scanner);
    }

    // Only the file events, relative to the root.
    std::vector<std::string> Files(const std::string& mask, bool recursive = true)
    {
        std::vector<std::string> files;
        for (const auto& event : Scan(mask, recursive)) {
            if (event.rfind("file ", 0) == 0) {
                files.push_back(event.substr(5));
            }
        }
        return files;
    }

    TTempDir Temp;
};

using TList = std::vector<std::string>;

TEST_F(TreeScannerTest, FilesBeforeSubfoldersDepthFirst)
{
    File("x.mp3");
    File("S1/y.mp3");
    Folder("S2");
    const TList expected = {"found ",   "file x.mp3", "found S1/", "file S1/y.mp3",
                            "done S1/", "found S2/",  "done S2/",  "done "};
    EXPECT_EQ(Scan("*.mp3"), expected);
    EXPECT_EQ(Scan("*.mp3", false), (TList{"found ", "file x.mp3", "done "}));
}

TEST_F(TreeScannerTest, NamesSortIgnoringCaseAndBothCasesAreKept)
{
    for (const char* name : {"b.mp3", "a.mp3", "A.mp3", "b.txt", "Sub/z.mp3", "sub/z.mp3",
                             "sub - 2/z.mp3", "sub.x/z.mp3", "sub2/z.mp3"}) {
        File(name);
    }
    // a folder sorts with its final "/": after a blank, "-" and ".", before digits and letters
    EXPECT_EQ(Files("*.mp3"), (TList{"A.mp3", "a.mp3", "b.mp3", "sub - 2/z.mp3", "sub.x/z.mp3",
                                     "Sub/z.mp3", "sub/z.mp3", "sub2/z.mp3"}));
}

TEST_F(TreeScannerTest, InitialDirectoryEndsInOneSlash)
{
    File("a.mp3");
    const std::string plain = Temp.Path().string();
    const auto previous = fs::current_path();
    fs::current_path(Temp.Path());
    const std::pair<std::string, std::string> cases[] = {
        {plain, plain + "/"},
        {plain + "//", plain + "/"},
        {"", fs::canonical(Temp.Path()).string() + "/"}, // the current folder
        {"/", "/"},
    };
    for (const auto& [given, expected] : cases) {
        TTreeScanner scanner;
        scanner.InitialDirectory = given;
        scanner.FileMask = given == "/" ? "" : "*.mp3";
        scanner.Recursive = false;
        const auto events = TEventLog(expected).Run(scanner);
        EXPECT_EQ(scanner.InitialDirectory, expected) << given;
        if (given != "/") {
            EXPECT_EQ(events, (TList{"found ", "file a.mp3", "done "})) << given;
        }
    }
    fs::current_path(previous);
}

TEST_F(TreeScannerTest, OddNamesAndEntries)
{
    File(".hidden.mp3");
    Folder("folder.mp3");          // a folder is never a file
    File("a,b/c.mp3");             // a comma in a folder name
    File("\xff\xfe bad name.mp3"); // not UTF-8
    File("new\nline.mp3");
    fs::create_symlink("a,b/c.mp3", Temp.Path() / "link.mp3");
    fs::create_symlink("gone.mp3", Temp.Path() / "broken.mp3");
    fs::create_symlink("folder.mp3", Temp.Path() / "dirlink.mp3");
    ASSERT_EQ(mkfifo((Temp.Path() / "pipe.mp3").c_str(), 0600), 0);
    // links to folders are not followed, so no scan can loop
    fs::create_directory_symlink("..", Temp.Path() / "a,b" / "up");
    fs::create_directory_symlink(Temp.Path(), Temp.Path() / "a,b" / "loop");
    // files of the folder first, then those of its subfolders
    EXPECT_EQ(Files("*.mp3"), (TList{".hidden.mp3", "link.mp3", "new\nline.mp3",
                                     "\xff\xfe bad name.mp3", "a,b/c.mp3"}));
}

TEST_F(TreeScannerTest, UnreadableFolderContributesNothingAndStopsNothing)
{
    File("a/x.mp3");
    File("b/y.mp3");
    File("c/z.mp3");
    auto scanner = Scanner("*.mp3");
    // b is listed with the root, then cannot be opened: it vanishes as a is entered
    int folders = 0;
    scanner.Yield = [this, &folders] {
        if (++folders == 2) {
            fs::remove_all(Temp.Path() / "b");
        }
    };
    EXPECT_EQ(TEventLog(Root()).Run(scanner),
              (TList{"found ", "found a/", "file a/x.mp3", "done a/", "found b/", "done b/",
                     "found c/", "file c/z.mp3", "done c/", "done "}));
}

TEST_F(TreeScannerTest, HandlersSeeTheScanInOrder)
{
    File("a/x.mp3");
    Folder("b");
    auto scanner = Scanner("*.mp3");
    std::string order;
    TList done;
    scanner.Yield = [&order] { order += 'y'; };
    scanner.OnDirectoryFound = [&order](TTreeScanner& s) {
        order += s.SearchInProgress() ? 'f' : '!';
    };
    scanner.OnFileFound = [&order](TTreeScanner& s) {
        order += 'x';
        s.StartSearch(); // ignored while a search runs
    };
    // during "done" the found entry is the last one listed
    scanner.OnDirectoryDone = [&done](TTreeScanner& s) { done.push_back(s.FileFound()); };
    scanner.StartSearch();
    EXPECT_EQ(order, "yfyfxyf");
    EXPECT_EQ(done, (TList{Root() + "a/x.mp3", Root() + "b/", Root() + "b/"}));
    EXPECT_FALSE(scanner.SearchInProgress());
}

TEST_F(TreeScannerTest, DetailsFollowEachFileButNotFolders)
{
    WriteBytes(Temp.Path() / "a,b" / "song.mp3", std::string(1234, 'x'));
    auto scanner = Scanner("*.mp3");
    scanner._With_Detailes = true;
    scanner._DetailesSeparator = "";
    scanner._TypeOfDate = _DateType::dtDosTime;
    const auto events = TEventLog(Root()).Run(scanner);
    ASSERT_EQ(events.size(), 5U);
    EXPECT_EQ(events[1], "found a,b/") << "a comma folder is scanned whole";
    EXPECT_EQ(events[2].rfind("file a,b/song.mp3,1234,", 0), 0U) << events[2];
    EXPECT_NE(events[2].substr(23), "-1") << "a file written today has a DOS date";
    EXPECT_EQ(scanner._DetailesSeparator, ",");
}

} // namespace
