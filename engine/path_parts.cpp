#include "engine/path_parts.h"

#include <cerrno>
#include <unistd.h>
#include <vector>

std::string NamePart(std::string_view path)
{
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string FolderPart(std::string_view path)
{
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string WithTrailingSlash(std::string_view folder)
{
    std::string result(folder);
    if (!result.empty() && result.back() != '/') {
        result += '/';
    }
    return result;
}

namespace {

std::string CurrentFolder()
{
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            return "/";
        }
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

} // namespace

std::string ExpandFullPath(std::string_view path)
{
    std::string full = !path.empty() && path.front() == '/'
                           ? std::string(path)
                           : CurrentFolder() + "/" + std::string(path);
    std::vector<std::string_view> parts;
    std::string_view rest(full);
    while (!rest.empty()) {
        const auto slash = rest.find('/');
        const auto part = rest.substr(0, slash);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    }
    std::string result;
    for (const auto part : parts) {
        result += '/';
        result += part;
    }
    const bool endsInFolder = !path.empty() && (path.back() == '/');
    if (result.empty() || endsInFolder) {
        result += '/';
    }
    return result;
}

std::string PathWithoutRoot(std::string_view path)
{
    std::size_t first = 0;
    while (first < path.size() && path[first] == '/') {
        ++first;
    }
    return std::string(path.substr(first));
}
