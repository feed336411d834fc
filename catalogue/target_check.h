#pragma once

#include <string>

// Why a run must not write into htmlFolder with templates from templateFolder: the two are the
// same folder, or one lies inside the other, so generated pages would overwrite templates or be
// copied as templates. "" when they are apart. Symbolic links are followed.
std::string TargetConflict(const std::string& templateFolder, const std::string& htmlFolder);
