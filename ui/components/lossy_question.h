#pragma once

#include <string>
#include <vector>

class QWidget;
class TPrompts;

// Asks once for a batch whether the files whose new texts have characters the tags' code page
// cannot hold are written with "?" in their place. The question names the files (the first
// twenty of them) and has No as its default; true for Yes. Nothing is asked, and false given, for
// no files.
bool AskWriteLossy(TPrompts& prompts, QWidget* parent, const std::vector<std::string>& files);
