#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

// A new, empty folder below $TMPDIR for a benchmark's corpus; nothing (after a message on standard
// error) when none can be made.
inline std::optional<std::filesystem::path> MakeBenchFolder()
{
    std::string pattern =
        (std::filesystem::temp_directory_path() / "cantrel-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return std::nullopt;
    }
    return std::filesystem::path(pattern);
}
