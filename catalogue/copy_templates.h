#pragma once

#include "catalogue/html_failure.h"
#include "engine/yield.h"

#include <string>

// Copies every file below templateFolder (hidden ones and subfolders included) to the same place
// below htmlFolder, replacing files of the same name, after creating htmlFolder + "Tags/". Both
// folders end in "/". A missing template folder copies nothing; each folder or file that
// cannot be made or copied is added to the failures and skipped, and so is a copy whose place
// holds a symbolic link, which is never followed. `yield` runs once per folder.
void CopyHtmlTemplates(const std::string& templateFolder, const std::string& htmlFolder,
                       const TYieldFn& yield, THtmlFailures& failures);
