#include "journal/journal_file.h"
#include "journal/journal_session.h"
#include "journal/undo_batch.h"
#include "support/mp3_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

TEST(JournalNames, OnlyTheNamesTheJournalGivesAreBatches)
{
    const std::pair<const char*, int> names[] = {
        {"000042.journal", 42},
        {"/state/journal/000042.journal", 42},
        {"1000000.journal", 1000000},
        {"999999999.journal", JournalLastNumber},
        {"2147483647.journal", 0}, // the next number would not fit
        {"99999999999999999999.journal", 0},
        {"000000.journal", 0},
        {"42.journal", 0},
        {"0000042.journal", 0}, // a second name for batch 42
        {"-00042.journal", 0},
        {"+00042.journal", 0},
        {"000042.journal.bak", 0},
        {"00004x.journal", 0},
    };
    for (const auto& [name, number] : names) {
        EXPECT_EQ(JournalNumber(name), number) << name;
    }
}

// The record of a batch that changed one file, as the journal writes it.
void Record(const std::string& state, int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "/%06d.journal", number);
    WriteBytes(state + name,
               "cantrel-journal 1\nkind write\ntime 1\nfiles 1\nf /a 1 2 -\nd 0 1 3 -\n");
}

TEST(JournalNames, NumberingAndPruning)
{
    TTempDir dir;
    const std::string state = dir / "state";
    const std::string song = WriteBytes(dir / "a.mp3", MakeMp3Stream()).string();
    // a batch that changes nothing leaves the history as it was; the first mark of one that
    // does makes the oldest record give way
    for (int number = 1; number <= JournalKeep; ++number) {
        Record(state, number);
    }
    WriteBytes(state + "/2147483647.journal", "not the journal's");
    for (const bool changes : {false, true}) {
        TJournalSession journal(state, JournalWrite, 1000);
        ASSERT_TRUE(journal.Begin({song}));
        EXPECT_EQ(journal.Number(), JournalKeep + 1) << changes;
        ASSERT_TRUE(journal.FileDone(
            0, TFileOutcome(changes ? TFileStatus::Done : TFileStatus::Unchanged)));
        const std::vector<std::string> files = JournalFiles(state);
        ASSERT_EQ(files.size(), static_cast<std::size_t>(JournalKeep + (changes ? 0 : 1)));
        EXPECT_EQ(JournalNumber(files.back()), changes ? 2 : 1);
    }
    EXPECT_TRUE(fs::exists(state + "/2147483647.journal"));
    EXPECT_EQ(JournalNumber(JournalFiles(state).front()), JournalKeep + 1)
        << "the batch that changed its file is kept";

    // the last number the journal gives is the last it gives
    Record(state, JournalLastNumber);
    TJournalSession journal(state, JournalWrite, 1000);
    EXPECT_FALSE(journal.Begin({song}));
    EXPECT_EQ(journal.Failure().Text,
              "cannot write the undo journal: its batch numbers are used up (remove " + state +
                  "/999999999.journal)");
}

TEST(JournalNames, EntriesThatAreNoFilesAreSkippedWithANotice)
{
    TTempDir dir;
    const std::string state = dir / "state";
    Record(state, 5);
    ASSERT_EQ(mkfifo((state + "/000007.journal").c_str(), 0600), 0);
    fs::create_directory(state + "/000008.journal");
    fs::create_symlink(state + "/000007.journal", state + "/000009.journal");
    fs::create_symlink(state + "/000005.journal", state + "/000010.journal");
    alarm(60); // a read that waits for the pipe's writer ends the test instead of hanging it
    const TUndoChoice choice = ChooseUndoBatch(state);
    ASSERT_EQ(choice.Damaged.size(), 4u);
    for (const TFileFailure& damaged : choice.Damaged) {
        EXPECT_EQ(damaged.Text, "damaged undo journal: not a regular file") << damaged.Path;
    }
    ASSERT_TRUE(choice.Batch);
    EXPECT_EQ(choice.Batch->Number, 5);
    EXPECT_EQ(ReadJournalBatch(state + "/000007.journal").Damage, "not a regular file");
    alarm(0);
}

} // namespace
