#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

// Every test program keeps its settings and the undo journal of the batches it runs in folders
// of its own below the temporary folder, whatever its environment says, so that no test reads or
// writes the user's real settings or state, also when a test program is run by hand. The
// environment is set here, before main, because CTest hands a discovered GoogleTest program only
// the first entry of a list of variables.

namespace {

class TPrivateHomes
{
public:
    TPrivateHomes()
        : Folder(std::filesystem::temp_directory_path() /
                 ("cantrel-test-home-" + std::to_string(getpid())))
    {
        setenv("XDG_CONFIG_HOME", (Folder / "config").c_str(), 1);
        setenv("XDG_STATE_HOME", (Folder / "state").c_str(), 1);
        setenv("LC_ALL", "C.UTF-8", 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    ~TPrivateHomes()
    {
        std::error_code ignored;
        std::filesystem::remove_all(Folder, ignored);
    }

private:
    std::filesystem::path Folder;
};

const TPrivateHomes Homes;

} // namespace
