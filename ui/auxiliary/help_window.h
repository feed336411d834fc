#pragma once

#include "ui/auxiliary/info_window.h"

class QPlainTextEdit;

// The help on file-name macros and HTML templates, with the program's version history. It stays
// on top of the other windows; closing only hides it.
class THelpWindow : public TInfoWindow
{
    Q_OBJECT

public:
    explicit THelpWindow(QWidget* parent = nullptr);

private:
    QPlainTextEdit* HelpBox = nullptr;
};

// The help window's text.
QString MacroHelpText();
