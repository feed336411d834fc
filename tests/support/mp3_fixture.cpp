#include "support/mp3_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <grp.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

std::string MakeFrame(std::uint32_t header, int length)
{
    std::string frame(static_cast<std::size_t>(length), '\0');
    for (int i = 0; i < 4 && i < length; ++i) {
        frame[static_cast<std::size_t>(i)] = static_cast<char>((header >> (24 - 8 * i)) & 0xFF);
    }
    return frame;
}

std::string MakeMp3Stream(int count)
{
    std::string stream;
    for (int i = 0; i < count; ++i) {
        stream += MakeFrame();
    }
    return stream;
}

std::string MakeTrailer(const std::string& title, const std::string& artist,
                        const std::string& album, const std::string& year,
                        const std::string& comment, int track, int genre)
{
    std::string trailer(128, '\0');
    trailer.replace(0, 3, "TAG");
    const auto put = [&trailer](std::size_t offset, const std::string& text, std::size_t size) {
        trailer.replace(offset, std::min(text.size(), size), text.substr(0, size));
    };
    put(3, title, 30);
    put(33, artist, 30);
    put(63, album, 30);
    put(93, year, 4);
    put(97, comment, 30);
    if (track >= 0) {
        trailer[126] = static_cast<char>(track);
    }
    trailer[127] = static_cast<char>(genre);
    return trailer;
}

std::filesystem::path WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

TTempDir::TTempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "cantrel-test-XXXXXX").string();
    Root = mkdtemp(pattern.data());
}

TTempDir::~TTempDir()
{
    std::error_code ignored;
    // read-only files and folders made by a test must not stop the clean-up
    for (auto it = std::filesystem::recursive_directory_iterator(Root, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        chmod(it->path().c_str(), it->is_directory(ignored) ? 0700 : 0600);
    }
    chmod(Root.c_str(), 0700);
    std::filesystem::remove_all(Root, ignored);
}

bool PassesAsOrdinaryUser(const std::function<bool()>& check)
{
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t nobody = 65534;
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0)) {
            _exit(2);
        }
        // _exit: the child must not run the parent's clean-up of its folders
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}
