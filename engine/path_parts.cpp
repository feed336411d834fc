#include "engine/path_parts.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
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

// The end of the last "." or ".." part of the path; 0 when it has none.
std::size_t DotPartsEnd(std::string_view path)
{
    std::size_t end = 0;
    std::size_t start = 0;
    while (start <= path.size()) {
        const auto slash = std::min(path.find('/', start), path.size());
        const auto part = path.substr(start, slash - start);
        if (part == "." || part == "..") {
            end = slash;
        }
        start = slash + 1;
    }
    return end;
}

// The path with every run of slashes made one.
std::string WithSingleSlashes(std::string_view path)
{
    std::string result;
    result.reserve(path.size());
    for (const char c : path) {
        if (c != '/' || result.empty() || result.back() != '/') {
            result += c;
        }
    }
    return result;
}

} // namespace

int WorkingFolder(std::string& folder)
{
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            return errno;
        }
        buffer.resize(buffer.size() * 2);
    }
    folder = buffer.data();
    return 0;
}

int MakeFullPath(std::string_view path, std::string& full)
{
    std::string folder;
    if (!path.empty() && path.front() == '/') {
        return MakeFullPathIn(folder, path, full);
    }
    if (const int error = WorkingFolder(folder); error != 0) {
        full = std::string(path);
        return error;
    }
    return MakeFullPathIn(folder, path, full);
}

int MakeFullPathIn(std::string_view workingFolder, std::string_view path, std::string& full)
{
    // A leading "./" names the working folder itself, which needs no resolving (as `find .`
    // gives every path); left in a path that is resolved anyway, whose failure then shows it.
    while (path.size() > 2 && path.substr(0, 2) == "./") {
        const auto rest = path.find_first_not_of('/', 2);
        if (rest == std::string_view::npos || DotPartsEnd(path.substr(rest)) != 0) {
            break;
        }
        path.remove_prefix(rest);
    }
    std::string text(path);
    if (path.empty() || path.front() != '/') {
        text = path.empty() ? std::string(workingFolder) : WithTrailingSlash(workingFolder) + text;
    }
    const std::size_t resolvedEnd = DotPartsEnd(text);
    // a name with a zero byte would be resolved as a shorter one: it is left to the caller
    if (resolvedEnd == 0 || text.find('\0') != std::string::npos) {
        full = WithSingleSlashes(text);
        return 0;
    }
    char* resolved = realpath(text.substr(0, resolvedEnd).c_str(), nullptr);
    if (resolved == nullptr) {
        const int error = errno;
        full = WithSingleSlashes(text);
        return error;
    }
    full = WithSingleSlashes(std::string(resolved) + text.substr(resolvedEnd));
    std::free(resolved);
    return 0;
}

std::string PathWithoutRoot(std::string_view path)
{
    std::size_t first = 0;
    while (first < path.size() && path[first] == '/') {
        ++first;
    }
    return std::string(path.substr(first));
}
