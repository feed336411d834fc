#pragma once

#include <string>
#include <string_view>
#include <vector>

// The extension masks of a mask text such as "*.mp3;*.ogg": masks are separated by ",", ";" or
// "|", blanks around a mask are ignored, and only masks of the form "*.ext" count ("*.mp3",
// "*.*", "*.m?3"); anything else, such as "name*.mp3" or "*.", is ignored. Masks match names
// ignoring the case of ASCII letters; "*" stands for any run of bytes and "?" for one byte in the
// extension, and "*.*" matches every name.
class TFileMaskList
{
public:
    TFileMaskList() = default;
    explicit TFileMaskList(std::string_view maskText);

    // The masks ("*." and the extension) in name order, each once ignoring case.
    const std::vector<std::string>& Masks() const { return MaskTexts; }
    bool Empty() const { return MaskTexts.empty(); }

    bool Matches(std::string_view name) const;

private:
    struct TExtension
    {
        std::string Mask;  // "*." and the extension
        bool Plain = true; // no "*" or "?" in the extension
    };

    std::vector<std::string> MaskTexts;
    std::vector<TExtension> Extensions;
    bool MatchesAll = false;
};
