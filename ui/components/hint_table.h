#pragma once

#include <QString>

class QWidget;

// The windows whose hints come from the shared hint table.
enum class THintWindow
{
    Extraction,
    MacroList,
};

// Sets (or clears, when `show` is off) the hints of `window`'s own controls from the table of
// `table`. A window calls it on itself when the main window's hint switch changes.
void ShowWindowHints(QWidget* window, THintWindow table, bool show);

// A hint as a tool tip shows it: the carriage returns the hint texts keep become line breaks.
QString HintText(const char* hint);
