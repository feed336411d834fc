#include "scan/name_order.h"
#include "scan/tree_scanner.h"
#include "support/mp3_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using TList = std::vector<std::string>;

TTreeScanner Scanner(const std::string& folder, const std::string& mask, bool recursive = true)
{
    TTreeScanner scanner;
    scanner.InitialDirectory = folder;
    scanner.FileMask = mask;
    scanner.Recursive = recursive;
    return scanner;
}

// Runs a search and records every event as "found PATH", "file PATH" or "done PATH", with the
// paths below `root` written relative to it.
TList Events(TTreeScanner& scanner, const std::string& root)
{
    TList events;
    const auto add = [&](const char* kind, const std::string& path) {
        events.push_back(kind + (path.rfind(root, 0) == 0 ? path.substr(root.size()) : path));
    };
    // every folder's files are listed, in the order they are then reported, before the first
    TList listed;
    std::size_t reported = 0;
    scanner.OnFilesListed = [&](const TList& paths) {
        EXPECT_EQ(reported, listed.size()) << "listed before the last list was reported";
        listed = paths;
        reported = 0;
    };
    scanner.OnDirectoryFound = [&](TTreeScanner& s) { add("found ", s.FileFound()); };
    scanner.OnFileFound = [&](TTreeScanner& s) {
        add("file ", s.FileFound());
        // the path alone, also where the entry carries details
        const std::string path = reported < listed.size() ? listed[reported++] : "-";
        EXPECT_EQ(s.FileFound().rfind(path, 0), 0U) << path;
    };
    scanner.OnDirectoryDone = [&](TTreeScanner& s) { add("done ", s.CurrentDirectory()); };
    scanner.StartSearch();
    EXPECT_EQ(reported, listed.size());
    return events;
}

TEST(TreeScanner, WalksOneTreeInNameOrderDepthFirst)
{
    TTempDir temp;
    const fs::path& root = temp.Path();
    for (const char* name :
         {"b.mp3", "a.mp3", "A.mp3", "_x.mp3", "b.txt", ".hidden.mp3", "new\nline.mp3",
          "\xff\xfe bad name.mp3", "a,b/c.mp3", "Sub/z.mp3", "sub/z.mp3", "sub - 2/z.mp3",
          "sub.x/z.mp3", "sub2/z.mp3", "Long shared name B.mp3", "long shared name a.mp3",
          "Long shared name A.mp3"}) {
        WriteBytes(root / name, "x");
    }
    fs::create_directory(root / "folder.mp3"); // a folder is never a file
    fs::create_symlink("a,b/c.mp3", root / "link.mp3");
    fs::create_symlink("gone.mp3", root / "broken.mp3");
    fs::create_symlink("folder.mp3", root / "dirlink.mp3");
    ASSERT_EQ(mkfifo((root / "pipe.mp3").c_str(), 0600), 0);
    // links to folders are not followed, so no scan can loop
    fs::create_directory_symlink("..", root / "a,b" / "up");
    fs::create_directory_symlink(root, root / "a,b" / "loop");

    // files of a folder first, ignoring case, then bytes ("_" lies between "Z" and "a"); then
    // its subfolders, each with its final "/": after a blank, "-" and ".", before digits
    const TList topFiles = {"file .hidden.mp3",
                            "file _x.mp3",
                            "file A.mp3",
                            "file a.mp3",
                            "file b.mp3",
                            "file link.mp3",
                            "file Long shared name A.mp3",
                            "file long shared name a.mp3",
                            "file Long shared name B.mp3",
                            "file new\nline.mp3",
                            "file \xff\xfe bad name.mp3"};
    TList expected = {"found "};
    expected.insert(expected.end(), topFiles.begin(), topFiles.end());
    for (const std::string folder :
         {"a,b/", "folder.mp3/", "sub - 2/", "sub.x/", "Sub/", "sub/", "sub2/"}) {
        expected.push_back("found " + folder);
        if (folder != "folder.mp3/") {
            expected.push_back("file " + folder + (folder == "a,b/" ? "c.mp3" : "z.mp3"));
        }
        expected.push_back("done " + folder);
    }
    expected.push_back("done ");
    auto scanner = Scanner(root.string(), "*.mp3");
    EXPECT_EQ(Events(scanner, root.string() + "/"), expected);
    EXPECT_FALSE(NameOrderLess("a.mp3", "a.mp3")) << "a strict order";

    // without Recursive only the files of the folder itself, whatever form its name is given in
    TList flat = {"found "};
    flat.insert(flat.end(), topFiles.begin(), topFiles.end());
    flat.push_back("done ");
    const auto previous = fs::current_path();
    fs::current_path(root);
    const std::pair<std::string, std::string> forms[] = {
        {root.string(), root.string() + "/"},
        {root.string() + "//", root.string() + "/"},
        {"", fs::canonical(root).string() + "/"}, // the current folder
    };
    for (const auto& [given, normalised] : forms) {
        scanner = Scanner(given, "*.mp3", false);
        EXPECT_EQ(Events(scanner, normalised), flat) << given;
        EXPECT_EQ(scanner.InitialDirectory, normalised) << given;
    }
    fs::current_path(previous);
    scanner = Scanner("/", "", false);
    scanner.StartSearch();
    EXPECT_EQ(scanner.InitialDirectory, "/");
}

TEST(TreeScanner, HandlersYieldsAndVanishingFolders)
{
    TTempDir temp;
    const std::string root = temp.Path().string() + "/";
    WriteBytes(temp / "a/x.mp3", "x");
    WriteBytes(temp / "b/y.mp3", "x");
    WriteBytes(temp / "c/z.mp3", "x");
    auto scanner = Scanner(temp.Path().string(), "*.mp3");
    // b is listed with the root, then cannot be opened: it vanishes as a is entered, and
    // contributes nothing but stops nothing
    std::string order;
    TList done;
    scanner.Yield = [&] {
        order += 'y';
        if (order.size() == 3) {
            fs::remove_all(temp / "b");
        }
    };
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
    EXPECT_EQ(order, "yfyfxyfyfx");
    EXPECT_EQ(done, (TList{root + "a/x.mp3", root + "b/", root + "c/z.mp3", root + "c/z.mp3"}));
    EXPECT_FALSE(scanner.SearchInProgress());

    // details follow each file but not folders
    WriteBytes(temp.Path() / "d/a,b/song.mp3", std::string(1234, 'x'));
    scanner = Scanner(temp / "d", "*.mp3");
    scanner._With_Detailes = true;
    scanner._DetailesSeparator = "";
    scanner._TypeOfDate = _DateType::dtDosTime;
    const auto events = Events(scanner, root + "d/");
    ASSERT_EQ(events.size(), 5U);
    EXPECT_EQ(events[1], "found a,b/") << "a comma folder is scanned whole";
    EXPECT_EQ(events[2].rfind("file a,b/song.mp3,1234,", 0), 0U) << events[2];
    EXPECT_NE(events[2].substr(23), "-1") << "a file written today has a DOS date";
    EXPECT_EQ(scanner._DetailesSeparator, ",");
}

} // namespace
