#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

// Every test program keeps the undo journal of the batches it runs in a folder of its own below
// the temporary folder, whatever its environment says, so that no test writes to the user's real
// state folder, also when a test program is run by hand.

namespace {

class TPrivateStateHome
{
public:
    TPrivateStateHome()
        : Folder((std::filesystem::temp_directory_path() /
                  ("cantrel-test-state-" + std::to_string(getpid())))
                     .string())
    {
        setenv("XDG_STATE_HOME", Folder.c_str(), 1);
    }
    ~TPrivateStateHome()
    {
        std::error_code ignored;
        std::filesystem::remove_all(Folder, ignored);
    }

private:
    std::string Folder;
};

const TPrivateStateHome StateHome;

} // namespace
