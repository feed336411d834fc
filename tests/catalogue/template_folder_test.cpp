#include "catalogue/template_folder.h"
#include "support/mp3_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(TemplateFolder, BesideTheProgramThenInstalledThenTheFixedDataFolder)
{
    struct TCase
    {
        std::vector<std::string> Folders; // made below a fresh root
        std::string Expected;             // below the root; empty: the fixed data folder
    };
    const TCase cases[] = {
        {{"bin/HTML", "share/cantrel/HTML"}, "bin/HTML/"},
        {{"share/cantrel/HTML"}, "share/cantrel/HTML/"},
        {{}, ""},
    };
    for (const TCase& c : cases) {
        TTempDir root;
        std::filesystem::create_directories(root / "bin");
        for (const std::string& folder : c.Folders) {
            std::filesystem::create_directories(root / folder);
        }
        const std::string found = DefaultTemplateFolder(root / "bin/");
        if (c.Expected.empty()) {
            EXPECT_EQ(found.rfind('/', 0), 0u) << found;
            EXPECT_TRUE(found.ends_with("/cantrel/HTML/")) << found;
        } else {
            EXPECT_EQ(found, root / c.Expected);
        }
    }
}

TEST(TemplateFolder, ProgramFolderHoldsTheRunningTest)
{
    const std::string folder = ProgramFolder();
    ASSERT_TRUE(folder.ends_with("/"));
    EXPECT_TRUE(std::filesystem::exists(folder + "catalogue_tests"));
}
