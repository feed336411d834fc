#include "workspace/name_length.h"

#include "engine/path_parts.h"
#include "engine/utf8.h"

std::string MacroFullName(std::string_view currentFile, std::string_view expandedMacro)
{
    return WithTrailingSlash(FolderPart(currentFile)) + std::string(expandedMacro) + ".mp3";
}

std::size_t NewNameLength(std::string_view fullName)
{
    const auto cut = fullName.find_last_of("/\\");
    return Utf8Length(cut == std::string_view::npos ? fullName : fullName.substr(cut + 1));
}
