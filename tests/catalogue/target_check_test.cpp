#include "catalogue/target_check.h"
#include "support/mp3_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(TargetConflict, RefusesOverlappingFolders)
{
    TTempDir dir;
    std::filesystem::create_directories(dir / "app/HTML/img");
    std::filesystem::create_directories(dir / "music");
    std::filesystem::create_directory_symlink(dir / "app", dir / "link");
    const std::string templates = dir / "app/HTML/";
    const struct
    {
        const char* Rule;
        std::string HtmlFolder;
        bool Refused;
    } cases[] = {
        {"the template folder itself", dir / "app/HTML/", true},
        {"the same folder without its final slash", dir / "app/HTML", true},
        {"the same folder through a symbolic link", dir / "link/HTML/", true},
        {"the same folder spelt with dots", dir / "music/../app/./HTML/", true},
        {"a folder inside the templates", dir / "app/HTML/img/HTML/", true},
        {"a folder holding the templates", dir / "HTML/../app/", true},
        {"a folder beside the templates", dir / "music/HTML/", false},
        {"a folder whose name only starts alike", dir / "app/HTML2/", false},
        {"a folder not made yet", dir / "new/deeper/HTML/", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(!TargetConflict(templates, c.HtmlFolder).empty(), c.Refused) << c.Rule;
    }
}

} // namespace
