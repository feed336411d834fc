#include "scan/file_mask.h"

#include "scan/name_order.h"

#include <algorithm>

namespace {

bool IsSeparator(char c)
{
    return c == ',' || c == ';' || c == '|';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameIgnoringCase(char a, char b)
{
    return CompareIgnoringCase(std::string_view(&a, 1), std::string_view(&b, 1)) == 0;
}

// Wildcard match of a whole name: "*" any run of bytes, "?" one byte, letters ignoring case.
bool WildcardMatch(std::string_view pattern, std::string_view name)
{
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starAt = std::string_view::npos;
    std::size_t resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || SameIgnoringCase(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

} // namespace

TFileMaskList::TFileMaskList(std::string_view maskText)
{
    while (!maskText.empty()) {
        const auto end = std::find_if(maskText.begin(), maskText.end(), IsSeparator);
        const auto length = static_cast<std::size_t>(end - maskText.begin());
        const auto mask = TrimBlanks(maskText.substr(0, length));
        maskText.remove_prefix(std::min(length + 1, maskText.size()));
        if (mask.size() < 3 || mask[0] != '*' || mask[1] != '.') {
            continue;
        }
        const auto place = std::lower_bound(
            MaskTexts.begin(), MaskTexts.end(), mask,
            [](const std::string& a, std::string_view b) { return CompareIgnoringCase(a, b) < 0; });
        if (place != MaskTexts.end() && CompareIgnoringCase(*place, mask) == 0) {
            continue; // "*.MP3" adds nothing to "*.mp3"
        }
        MaskTexts.insert(place, std::string(mask));
    }
    for (const auto& mask : MaskTexts) {
        if (mask.find_first_not_of('*', 2) == std::string::npos) {
            MatchesAll = true; // "*.*" takes names with and without a full stop alike
        }
        Extensions.push_back({mask, mask.find_first_of("*?", 2) == std::string::npos});
    }
}

bool TFileMaskList::Matches(std::string_view name) const
{
    if (MatchesAll) {
        return true;
    }
    for (const auto& extension : Extensions) {
        if (extension.Plain) {
            // "*.mp3": the name ends in ".mp3"
            const auto size = extension.Mask.size() - 1;
            if (name.size() >= size &&
                CompareIgnoringCase(name.substr(name.size() - size),
                                    std::string_view(extension.Mask).substr(1)) == 0) {
                return true;
            }
        } else if (WildcardMatch(extension.Mask, name)) {
            return true;
        }
    }
    return false;
}
