#include "catalogue/template_folder.h"

#include "engine/path_parts.h"

#include <filesystem>
#include <system_error>

// Set by the build from the install layout; the defaults suit a /usr/local installation.
#ifndef CANTREL_DATA_FROM_BIN
#define CANTREL_DATA_FROM_BIN "../share/cantrel"
#endif
#ifndef CANTREL_DATA_DIR
#define CANTREL_DATA_DIR "/usr/local/share/cantrel"
#endif

namespace {

bool IsFolder(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

} // namespace

std::string ProgramFolder()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : WithTrailingSlash(exe.parent_path().string());
}

std::string DefaultTemplateFolder(const std::string& programFolder)
{
    if (!programFolder.empty()) {
        const std::filesystem::path beside = std::filesystem::path(programFolder) / "HTML";
        if (IsFolder(beside)) {
            return WithTrailingSlash(beside.string());
        }
        const std::filesystem::path installed =
            (std::filesystem::path(programFolder) / CANTREL_DATA_FROM_BIN / "HTML")
                .lexically_normal();
        if (IsFolder(installed)) {
            return WithTrailingSlash(installed.string());
        }
    }
    return WithTrailingSlash(std::string(CANTREL_DATA_DIR) + "/HTML");
}
