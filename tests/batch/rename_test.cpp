#include "batch/macro_rename.h"
#include "batch/rename_file.h"
#include "support/mp3_fixture.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

namespace {

namespace fs = std::filesystem;

TEST(Rename, NewNameRules)
{
    const std::string name60(60, 'n');
    const std::tuple<const char*, std::string, std::string, bool, bool> cases[] = {
        {"both slashes start a folder", "A\\B/01.T", "/m/A/B/01.T.mp3", false, true},
        {"64 characters fit, extension included", name60, "/m/" + name60 + ".mp3", false, true},
        {"65 characters do not", name60 + "x", "/m/" + name60 + "x.mp3", false, false},
        {"only the name part counts", "x\\" + name60, "/m/x/" + name60 + ".mp3", false, true},
        {"a .. folder leaves the folder", "a\\..\\b", "/m/a/../b.mp3", true, true},
        {"a name of .. stays", "..", "/m/...mp3", false, true},
        {"a leading separator stays below the folder", "\\/x", "/m/x.mp3", false, true},
    };
    for (const auto& [rule, expanded, target, leaves, fits] : cases) {
        EXPECT_EQ(RenameTarget("/m/old.MP3", expanded), target) << rule;
        EXPECT_EQ(LeavesFolder(expanded), leaves) << rule;
        EXPECT_EQ(FitsNameLimit(target), fits) << rule;
    }
    // a bare name has no folder part: the expansion must not become a path from the top
    EXPECT_EQ(RenameTarget("old.mp3", "/Album/01"), "Album/01.mp3");
}

TEST(Rename, MovesWithoutReplacingAndCleansUpAfterAFailure)
{
    using enum TFileStatus;
    using enum TFailureReason;
    // rule, target and a file in its way (below the folder), outcome, a new folder left behind
    const std::tuple<const char*, std::string, std::string, TFileStatus, TFailureReason, int,
                     std::string>
        cases[] = {
            {"into new folders", "A/B/new.mp3", "", Done, None, 0, "A/B"},
            {"the same name", "old.mp3", "", Unchanged, None, 0, ""},
            {"a taken name", "A/B/new.mp3", "A/B/new.mp3", Refused, TargetExists, 0, "A/B"},
            {"a file where a folder should be", "A/B/new.mp3", "A", Refused, None, ENOTDIR, ""},
            {"a name the system refuses", "A/B/" + std::string(300, 'n'), "", Refused, None,
             ENAMETOOLONG, ""},
        };
    for (const auto& [rule, target, inTheWay, status, reason, error, leftFolder] : cases) {
        TTempDir dir;
        const std::string oldPath = dir / "old.mp3";
        WriteBytes(oldPath, "old");
        if (!inTheWay.empty()) {
            WriteBytes(dir / inTheWay, "other");
        }
        const TFileOutcome outcome = RenameOneFile(oldPath, dir / target);
        EXPECT_EQ(outcome.Status, status) << rule;
        EXPECT_EQ(outcome.Failure.Reason, reason) << rule;
        EXPECT_EQ(outcome.Failure.Error, error) << rule;
        const bool moved = status == TFileStatus::Done;
        EXPECT_EQ(ReadBytes(moved ? dir / target : oldPath), "old") << rule;
        if (!inTheWay.empty()) {
            EXPECT_EQ(ReadBytes(dir / inTheWay), "other") << rule;
        }
        EXPECT_EQ(fs::exists(dir / "A"), !leftFolder.empty() || inTheWay == "A") << rule;
    }
    // on a file system without the no-replace rename: a free name is taken, a taken one refused
    SimulateNoReplaceRenameMissing(true);
    for (const bool taken : {false, true}) {
        TTempDir dir;
        WriteBytes(dir / "old.mp3", "old");
        if (taken) {
            WriteBytes(dir / "new.mp3", "other");
        }
        EXPECT_EQ(RenameOneFile(dir / "old.mp3", dir / "new.mp3").Failure.Reason,
                  taken ? TFailureReason::TargetExists : TFailureReason::None);
        EXPECT_EQ(ReadBytes(dir / "new.mp3"), taken ? "other" : "old");
        EXPECT_EQ(fs::exists(dir / "old.mp3"), taken);
    }
    SimulateNoReplaceRenameMissing(false);
    EXPECT_EQ(RenameOneFile("/no/such/file.mp3", "/no/such/new.mp3").Failure.Reason,
              TFailureReason::Missing);
    // a dangling link where a folder should be: made by no one, the folder cannot be made either
    TTempDir dir;
    WriteBytes(dir / "old.mp3", "old");
    fs::create_symlink(dir / "gone", dir / "A");
    EXPECT_EQ(RenameOneFile(dir / "old.mp3", dir / "A/new.mp3").Failure.Error, ENOTDIR);
    EXPECT_EQ(ReadBytes(dir / "old.mp3"), "old");
}

std::string Tagged(const std::string& title, int track, const std::string& comment = "")
{
    return MakeMp3Stream(3) + MakeTrailer(title, "Band", "Album", "2001", comment, track, 17);
}

TEST(Rename, BatchFromMacro)
{
    const std::string macro = "[ %a,t% ]\\[ %alb,t% ]\\%tr,t%.%t,t%%cmnt,t%";
    const std::string target = "[ Band ]/[ Album ]/01.Song.mp3";
    // each file read as it comes, or read ahead on a second thread (the last file is not in the
    // read-ahead list and is read as it comes)
    for (const auto& [dryRun, ahead] : {std::pair{false, false}, {true, false}, {false, true}}) {
        TTempDir dir;
        WriteBytes(dir / "a.mp3", Tagged("Song", 1));
        WriteBytes(dir / "b.mp3", Tagged("Song", 1));
        WriteBytes(dir / "c.mp3", Tagged(std::string(30, 't'), 2, std::string(28, 'c'))); // 65
        WriteBytes(dir / "d.mp3", Tagged("Song", 3, "\\..\\x"));
        TMacroRenamer renamer(macro, {}, {.LimitTo64 = true, .DryRun = dryRun});
        using enum TFileStatus;
        using enum TFailureReason;
        const std::tuple<std::string, TFileStatus, TFailureReason> files[] = {
            {"a.mp3", Done, None},           {"b.mp3", Refused, TargetExists},
            {"c.mp3", Refused, NameTooLong}, {"d.mp3", Done, None}, // "\" from a value: no folder
            {"gone.mp3", Refused, Missing},  {"folder.mp3", Refused, None},
        };
        fs::create_directory(dir / "folder.mp3");
        if (ahead) {
            renamer.ReadAhead(
                {dir / "a.mp3", dir / "b.mp3", dir / "c.mp3", dir / "d.mp3", dir / "gone.mp3"});
        }
        for (const auto& [name, status, reason] : files) {
            const TRenameOutcome outcome = renamer.Rename(dir / name);
            EXPECT_EQ(outcome.Outcome.Status, status) << name << " dry run " << dryRun;
            EXPECT_EQ(outcome.Outcome.Failure.Reason, reason) << name << " dry run " << dryRun;
        }
        EXPECT_EQ(fs::exists(dir / target), !dryRun);
        EXPECT_EQ(fs::exists(dir / "a.mp3"), dryRun);
        EXPECT_TRUE(fs::exists(dir / "b.mp3"));
        EXPECT_EQ(fs::exists(dir / "[ Band ]"), !dryRun) << "a dry run creates no folder";
    }
}

TEST(Rename, DryRunAndRealRunDecideAlike)
{
    // rule, macro, the title of the file, then the new name below the folder, or the errno value
    // of the refusal
    const std::tuple<const char*, std::string, std::string, std::string, int> cases[] = {
        {"a separator from a value is no folder", "%t,t%", "AC/DC\\x", "AC-DC-x.mp3", 0},
        {"a typed separator makes a folder", "x\\%t,t%", "Song", "x/Song.mp3", 0},
        {"a typed code makes a folder", "%t,t%%47%x", "Song", "Song/x.mp3", 0},
        {"a leading separator stays below the folder", "/%t,t%", "Song", "Song.mp3", 0},
        {"a title of / is no path", "%t,t%", "/", "-.mp3", 0},
        {"an empty name is refused", "x/%cmnt,t%", "Song", "", EINVAL},
        {"a name the system cannot hold", "%t,t%" + std::string(260, 'n'), "", "", ENAMETOOLONG},
        {"a file where a folder is to be", "in the way/%t,t%", "Song", "", ENOTDIR},
        {"only regular files are renamed", "%fn,t%x", "(a pipe)", "", EINVAL},
    };
    for (const bool dryRun : {true, false}) {
        for (const auto& [rule, macro, title, target, error] : cases) {
            TTempDir dir;
            if (title == "(a pipe)") {
                ASSERT_EQ(mkfifo((dir / "old.mp3").c_str(), 0644), 0);
            } else {
                WriteBytes(dir / "old.mp3", Tagged(title, 1));
            }
            WriteBytes(dir / "in the way", "file");
            TMacroRenamer renamer(macro, {}, {.DryRun = dryRun});
            const TFileOutcome outcome = renamer.Rename(dir / "old.mp3").Outcome;
            EXPECT_EQ(outcome.Status, error == 0 ? TFileStatus::Done : TFileStatus::Refused)
                << rule << " dry run " << dryRun;
            EXPECT_EQ(outcome.Failure.Error, error) << rule << " dry run " << dryRun;
            EXPECT_EQ(!target.empty() && fs::exists(dir / target), error == 0 && !dryRun) << rule;
            EXPECT_EQ(fs::exists(dir / "old.mp3"), dryRun || error != 0) << rule;
        }
    }
}

TEST(Rename, MacroOfThePathAloneRenamesAnyFile)
{
    // such a macro reads no file: one without audio is named from its path as one with audio is
    TTempDir dir;
    WriteBytes(dir / "junk.mp3", "junk");
    WriteBytes(dir / "song.mp3", Tagged("Song", 1));
    TMacroRenamer renamer("%fn,t%-%65%", {}, {});
    for (const std::string name : {"junk.mp3", "song.mp3"}) {
        EXPECT_EQ(renamer.Rename(dir / name).Outcome.Status, TFileStatus::Done) << name;
        EXPECT_TRUE(fs::exists(dir / (name + "-A.mp3"))) << name;
    }
}

TEST(BatchRun, CountsProgressAndStopsWhenCancelled)
{
    std::vector<std::string> texts;
    int asked = 0;
    TBatchControl control;
    control.Progress = [&texts](int, int, const std::string& text) { texts.push_back(text); };
    control.Cancelled = [&asked] { return ++asked == 4; };
    const TFileStep step = [](const std::string& path, const TYieldFn&) {
        return path == "b"
                   ? TFileOutcome::Refusal({path, EACCES, TFailureReason::None, ""})
                   : TFileOutcome{path == "c" ? TFileStatus::Unchanged : TFileStatus::Done, {}};
    };
    const TBatchResult result = RunBatch({"a", "b", "c", "d"}, step, control);
    EXPECT_EQ(texts, (std::vector<std::string>{"0 / 4", "1 / 4", "2 / 4"}));
    EXPECT_EQ(result.Done, 1);
    EXPECT_EQ(result.Unchanged, 1);
    ASSERT_EQ(result.Failures.size(), 1u);
    EXPECT_EQ(result.Failures[0].Path, "b");
    EXPECT_TRUE(result.Cancelled);

    control.CountFromOne = true;
    control.Cancelled = {};
    texts.clear();
    RunBatch({"a", "b"}, step, control);
    EXPECT_EQ(texts, (std::vector<std::string>{"1 / 2", "2 / 2"}));
}

} // namespace
