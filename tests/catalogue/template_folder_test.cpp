#include "catalogue/template_folder.h"
#include "support/mp3_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(TemplateFolder, BesideTheProgramThenInstalledThenTheFixedDataFolder)
{
    // folders made below a fresh root, and the one found below it ("": the fixed data folder)
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"bin/HTML", "share/cantrel/HTML"}, "bin/HTML/"},
        {{"share/cantrel/HTML"}, "share/cantrel/HTML/"},
        {{}, ""},
    };
    for (const auto& [folders, expected] : cases) {
        TTempDir root;
        std::filesystem::create_directories(root / "bin");
        for (const std::string& folder : folders) {
            std::filesystem::create_directories(root / folder);
        }
        const std::string found = DefaultTemplateFolder(root / "bin/");
        if (expected.empty()) {
            EXPECT_EQ(found.rfind('/', 0), 0u) << found;
            EXPECT_TRUE(found.ends_with("/cantrel/HTML/")) << found;
        } else {
            EXPECT_EQ(found, root / expected);
        }
    }
    // the program's own folder, as the running test finds it
    const std::string folder = ProgramFolder();
    ASSERT_TRUE(folder.ends_with("/"));
    EXPECT_TRUE(std::filesystem::exists(folder + "catalogue_tests"));
}
