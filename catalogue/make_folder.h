#pragma once

#include "catalogue/html_failure.h"

#include <string>

// Creates the folder with any missing parents. A folder that cannot be made is added to the
// failures once, however often it is asked for; false then.
bool MakeFolder(const std::string& folder, THtmlFailures& failures);
