#pragma once

#include <QFrame>

#include <string>

class QLabel;
class QToolButton;

// The windows the main window opens; it asks for them through ShowWindowRequested.
enum class TWindowId
{
    Settings,
    Keys,
    Errors,
    MacroHelp,
    About,
    Macros,
    NameToTag,
    UndoHistory,
};

// The strip at the top of the main window: the credits, the tool buttons (open a folder, the
// settings, shortcut, error, macro help and about windows, mail and home page) and the folder and
// name of the file under the pointer.
class TToolStrip : public QFrame
{
    Q_OBJECT

public:
    explicit TToolStrip(QWidget* parent = nullptr);

    void ShowPointedFile(const std::string& path);
    void ClearPointedFile();
    // The folder button waits while a scan or a batch runs.
    void SetOpenEnabled(bool enabled);
    void ShowHints(bool show);

signals:
    void OpenFolderClicked();
    void WindowRequested(TWindowId window);
    void MailClicked();
    void WebClicked();

private:
    QToolButton* OpenFolderButton = nullptr;
    QLabel* PointedFolderPanel = nullptr;
    QLabel* PointedFilePanel = nullptr;
};

// A black panel that shows a path or a preview in light `text`.
void MakeBlack(QFrame* panel, const QColor& text);
