#include "catalogue/html_generator.h"
#include "catalogue/substitute_line.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>
#include <regex>

namespace {

// The template set shipped with the program, in the source tree.
const std::filesystem::path Shipped =
    std::filesystem::path(__FILE__).parent_path() / "../../data/HTML";

TEST(ShippedTemplates, UseEveryWordAndGiveCleanPages)
{
    const std::string songs = ReadBytes(Shipped / "_songs.htm");
    const std::string tags = ReadBytes(Shipped / "_tags.htm");
    for (const auto word : ReservedWords) {
        EXPECT_NE(tags.find(word), std::string::npos) << word;
    }
    EXPECT_NE(songs.find("\n<!-- begin_repetition -->\n"), std::string::npos);
    EXPECT_NE(songs.find("\n<!-- end_repetition -->\n"), std::string::npos);

    TTempDir dir;
    const std::vector<std::string> files = {
        WriteBytes(dir / "music/R&B <live>.mp3",
                   MakeMp3Stream(3) + MakeTrailer("Hot \"mix\"", "A & B", "", "", "", 3, 14))
            .string(),
        WriteBytes(dir / "music/untagged.mp3", MakeMp3Stream(3)).string()};
    THtmlRunOptions options;
    options.TemplateFolder = Shipped.string();
    options.HtmlPath = dir / "site";
    THtmlSongTable table;
    THtmlProgress progress;
    ASSERT_TRUE(GenerateHtmlCatalogue(files, options, table, progress).Failures.empty());

    // "&nbsp" ends each value; the templates complete it to a valid reference
    const std::regex bareNbsp("&nbsp(?!;)");
    for (const std::string& page :
         {dir / "site/HTML/_songs.htm", dir / "site/HTML/Tags/R&B <live>_00000.htm",
          dir / "site/HTML/Tags/untagged_00001.htm"}) {
        const std::string html = ReadBytes(page);
        ASSERT_FALSE(html.empty()) << page;
        for (const auto word : ReservedWords) {
            EXPECT_EQ(html.find(word), std::string::npos) << page << ": " << word;
        }
        EXPECT_FALSE(std::regex_search(html, bareNbsp)) << page;
        EXPECT_EQ(html.find("<live>"), std::string::npos) << page;
    }
    const std::string list = ReadBytes(dir / "site/HTML/_songs.htm");
    EXPECT_NE(list.find("href=\"Tags/R&amp;B%20%3Clive%3E_00000.htm\""), std::string::npos);
    EXPECT_NE(list.find("&lt;unknown&gt;&nbsp;"), std::string::npos);
}

} // namespace
