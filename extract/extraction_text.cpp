#include "extract/extraction_text.h"

#include "engine/path_parts.h"

std::string ExtractionText(std::string_view fullPath, bool pathIncluded)
{
    return pathIncluded ? PathWithoutRoot(fullPath) : NamePart(fullPath);
}
