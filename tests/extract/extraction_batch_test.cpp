#include "extract/extraction_batch.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(ExtractionBatch, ListsFilesUnderTheirTextAndCountsTheFileAtHand)
{
    struct TCase
    {
        const char* Rule;
        bool Write;
        bool CountFromOne;
        int Done;
        std::vector<int> Positions;
        std::vector<TFailureReason> Listed; // reasons, in the order of the files
    };
    const TCase cases[] = {
        {"a whole-path batch: the bar at the index",
         true,
         false,
         2,
         {0, 1, 2},
         {TFailureReason::Incomplete, TFailureReason::Missing}},
        {"selected files: the bar after the file",
         true,
         true,
         2,
         {1, 2, 3},
         {TFailureReason::Incomplete, TFailureReason::Missing}},
        {"a preview writes and lists nothing", false, true, 0, {1, 2, 3}, {}},
    };
    for (const TCase& c : cases) {
        TTempDir music;
        const std::string mp3 = MakeMp3Stream(3);
        const std::vector<std::string> paths = {WriteBytes(music / "Band - Song.mp3", mp3),
                                                WriteBytes(music / "Nodash.mp3", mp3),
                                                music / "gone.mp3"};
        TExtractionJob job;
        job.Formula = {{"", " - "}, {TTagField::Artist, TTagField::Title}};
        job.PathIncluded = false;
        job.Write = c.Write;
        TBatchControl control;
        control.CountFromOne = c.CountFromOne;
        std::vector<int> positions;
        std::vector<std::string> texts;
        control.Progress = [&](int position, int, const std::string& text) {
            positions.push_back(position);
            texts.push_back(text);
        };
        std::vector<std::string> reported;
        const TBatchResult result =
            RunExtraction(paths, job, control,
                          [&](std::size_t, const TFileExtraction& file, const TFileOutcome&) {
                              reported.push_back(file.Text);
                          });
        EXPECT_EQ(result.Done, c.Done) << c.Rule;
        EXPECT_EQ(positions, c.Positions) << c.Rule;
        EXPECT_EQ(texts, (std::vector<std::string>{"1 / 3", "2 / 3", "3 / 3"})) << c.Rule;
        EXPECT_EQ(reported, (std::vector<std::string>{"Band - Song.mp3", "Nodash.mp3", "gone.mp3"}))
            << c.Rule;
        std::vector<TFailureReason> listed;
        for (const TFileFailure& failure : result.Failures) {
            listed.push_back(failure.Reason);
            EXPECT_EQ(failure.Path.find('/'), std::string::npos) << "listed under its text";
        }
        EXPECT_EQ(listed, c.Listed) << c.Rule;
        EXPECT_EQ(ReadBytes(paths[0]) != mp3, c.Write) << c.Rule;
    }
}

} // namespace
