#include "journal/journal_session.h"
#include "journal/undo_batch.h"
#include "support/mp3_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The record of a batch that changed one file.
std::string Record(const std::string& state, int number)
{
    const std::string digits = std::to_string(number);
    return WriteBytes(state + "/" + std::string(6 - std::min<std::size_t>(6, digits.size()), '0') +
                          digits + ".journal",
                      "cantrel-journal 1\nkind write\ntime 1\nfiles 1\nf /a 1 2 -\nd 0 1 3 -\n");
}

TEST(JournalNames, NumberingPruningAndEntriesThatAreNoFiles)
{
    TTempDir dir;
    const std::string state = dir / "state";
    const std::string song = WriteBytes(dir / "a.mp3", MakeMp3Stream());
    for (int number = 1; number <= JournalKeep; ++number) {
        Record(state, number);
    }
    // names the journal never gives: a number the next would overflow, a second name for batch 1
    const std::string odd[] = {"/2147483647.journal", "/0000001.journal", "/-00001.journal"};
    for (const std::string& name : odd) {
        WriteBytes(state + name, "not the journal's");
    }
    // a batch that changes nothing leaves the history as it was; the oldest record gives way to
    // one that changes a file
    for (const TFileStatus status : {TFileStatus::Unchanged, TFileStatus::Done}) {
        TJournalSession journal(state, JournalWrite, 1000);
        ASSERT_TRUE(journal.Begin({song}));
        EXPECT_EQ(journal.Number(), JournalKeep + 1);
        ASSERT_TRUE(journal.FileDone(0, TFileOutcome(status)));
        EXPECT_EQ(JournalNumber(JournalFiles(state).back()), status == TFileStatus::Done ? 2 : 1);
    }
    EXPECT_EQ(JournalFiles(state).size(), static_cast<std::size_t>(JournalKeep));
    for (const std::string& name : odd) {
        EXPECT_TRUE(fs::exists(state + name)) << name;
    }

    // a pipe, a folder and links with a batch's name are skipped with a notice, never waited on
    ASSERT_EQ(mkfifo((state + "/000030.journal").c_str(), 0600), 0);
    fs::create_directory(state + "/000031.journal");
    fs::create_symlink(Record(state, 29), state + "/000032.journal");
    alarm(60); // a read that waits for the pipe's writer ends the test instead of hanging it
    const TUndoChoice choice = ChooseUndoBatch(state);
    alarm(0);
    ASSERT_EQ(choice.Damaged.size(), 3u);
    for (const TFileFailure& damaged : choice.Damaged) {
        EXPECT_EQ(damaged.Text, "damaged undo journal: not a regular file") << damaged.Path;
    }
    ASSERT_TRUE(choice.Batch);
    EXPECT_EQ(choice.Batch->Number, 29);

    Record(state, JournalLastNumber); // the last number the journal gives is the last
    TJournalSession journal(state, JournalWrite, 1000);
    EXPECT_FALSE(journal.Begin({song}));
    EXPECT_EQ(journal.Failure().Text, "cannot write the undo journal: its batch numbers are used "
                                      "up (remove " +
                                          state + "/999999999.journal)");
}

} // namespace
