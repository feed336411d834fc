#pragma once

#include "ui/auxiliary/info_window.h"

class QPlainTextEdit;

// The shortcut list: the keys of the main, settings and tag-from-file-name windows, one per line
// with its action lined up in a column. Read-only; closing only hides it.
class TShortcutListWindow : public TInfoWindow
{
    Q_OBJECT

public:
    explicit TShortcutListWindow(QWidget* parent = nullptr);

private:
    QPlainTextEdit* ShortcutBox = nullptr;
};

// The list's text: a key, tabs up to the action column (tab stops every 8 characters), and
// the action.
QString ShortcutListText();
