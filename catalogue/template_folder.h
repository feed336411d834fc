#pragma once

#include <string>

// The folder of the running program's executable, ending in "/"; empty when it cannot be read.
std::string ProgramFolder();

// The default catalogue templates, ending in "/": the folder "HTML" beside the executable when
// there is one (running from the build tree), else the installed data folder, found relative to
// the executable first so that a moved or staged installation finds its own copy.
std::string DefaultTemplateFolder(const std::string& programFolder = ProgramFolder());
