#include "catalogue/target_check.h"

#include "engine/path_parts.h"

#include <filesystem>

namespace {

// The folder with its links resolved as far as it exists, ending in "/".
std::string ResolvedFolder(const std::string& folder)
{
    std::error_code error;
    const auto resolved = std::filesystem::weakly_canonical(ExpandFullPath(folder), error);
    return WithTrailingSlash(error ? ExpandFullPath(folder) : resolved.string());
}

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

std::string TargetConflict(const std::string& templateFolder, const std::string& htmlFolder)
{
    const std::string templates = ResolvedFolder(templateFolder);
    const std::string pages = ResolvedFolder(htmlFolder);
    if (templates == pages) {
        return "The catalogue folder " + pages +
               " is the template folder: the pages would overwrite the templates. Choose another "
               "target folder.";
    }
    if (StartsWith(pages, templates)) {
        return "The catalogue folder " + pages + " lies inside the template folder " + templates +
               ": the pages would be copied as templates. Choose another target folder.";
    }
    if (StartsWith(templates, pages)) {
        return "The template folder " + templates + " lies inside the catalogue folder " + pages +
               ": the pages would overwrite the templates. Choose another target folder.";
    }
    return {};
}
