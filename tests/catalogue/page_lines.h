#pragma once

#include "support/mp3_fixture.h"

#include <string>
#include <vector>

// Golden pages are compared line by line. A page's lines must each end in CR LF; a rest
// without one shows up as a line marked "<no CR LF>".
inline std::vector<std::string> PageLines(const std::filesystem::path& path)
{
    const std::string content = ReadBytes(path);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const auto end = content.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(content.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(content.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}
