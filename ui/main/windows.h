#pragma once

#include "workspace/workspace.h"

#include <memory>

class QWidget;
enum class TWindowId;

class TErrorWindow;
class TExtractionWindow;
class THtmlWindow;
class TShortcutListWindow;
class TMainWindow;
class TProgressWindow;
class TSettingsWindow;
class THelpWindow;
class TAboutWindow;
class TMacroListWindow;
class TPrompts;
class TReplaceDialog;
class TUndoHistoryWindow;

// Every window of the program.
struct TWindows
{
    TMainWindow* MainWindow = nullptr;
    THelpWindow* HelpWindow = nullptr;
    TExtractionWindow* ExtractionWindow = nullptr;
    TAboutWindow* AboutWindow = nullptr;
    THtmlWindow* HtmlWindow = nullptr;
    TMacroListWindow* MacroListWindow = nullptr;
    TReplaceDialog* ReplaceDialog = nullptr;
    TSettingsWindow* SettingsWindow = nullptr;
    TErrorWindow* ErrorWindow = nullptr;
    TShortcutListWindow* ShortcutListWindow = nullptr;
    TProgressWindow* ProgressWindow = nullptr;
    TUndoHistoryWindow* UndoHistoryWindow = nullptr;
};

// Creates the workspace and the eleven windows in their fixed order, the main window first, then
// the undo history, and
// wires the windows' signals; every window but the main window stays hidden until it is shown.
// They are destroyed in the reverse order.
class TApplicationWindows
{
public:
    explicit TApplicationWindows(TPrompts& prompts);
    ~TApplicationWindows();
    TApplicationWindows(const TApplicationWindows&) = delete;
    TApplicationWindows& operator=(const TApplicationWindows&) = delete;

    const TWindows& Windows() const { return All; }
    TWorkspace& Work() { return Workspace; }

    // Shows the main window and runs the program until the main window closes, whatever other
    // windows are open then; returns the program's exit code.
    int Run();

private:
    void ConnectWindows();
    void ShowWindow(TWindowId id);

    TWorkspace Workspace;
    std::unique_ptr<TMainWindow> MainWindow;
    std::unique_ptr<THelpWindow> HelpWindow;
    std::unique_ptr<TExtractionWindow> ExtractionWindow;
    std::unique_ptr<TAboutWindow> AboutWindow;
    std::unique_ptr<THtmlWindow> HtmlWindow;
    std::unique_ptr<TMacroListWindow> MacroListWindow;
    std::unique_ptr<TReplaceDialog> ReplaceDialog;
    std::unique_ptr<TSettingsWindow> SettingsWindow;
    std::unique_ptr<TErrorWindow> ErrorWindow;
    std::unique_ptr<TShortcutListWindow> ShortcutListWindow;
    std::unique_ptr<TProgressWindow> ProgressWindow;
    std::unique_ptr<TUndoHistoryWindow> UndoHistoryWindow;
    TWindows All;
};
