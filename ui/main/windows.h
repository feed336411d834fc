#pragma once

#include "workspace/workspace.h"

#include <memory>

class QWidget;
enum class TWindowId;

class T_ErrorForm;
class TExtractionWindow;
class THtmlWindow;
class T_KeysForm;
class TMainWindow;
class T_ProgressForm;
class T_SettingsForm;
class THelpWindow;
class TAboutWindow;
class TMacro_Form;
class TPrompts;
class TReplaceDialog;
class TUndoHistoryForm;

// Every window of the program.
struct TWindows
{
    TMainWindow* MainWindow = nullptr;
    THelpWindow* Form2 = nullptr;
    TExtractionWindow* Form3 = nullptr;
    TAboutWindow* Form4 = nullptr;
    THtmlWindow* Form5 = nullptr;
    TMacro_Form* Macro_Form = nullptr;
    TReplaceDialog* ReplaceInName_Form = nullptr;
    T_SettingsForm* SettingsForm = nullptr;
    T_ErrorForm* ErrorForm = nullptr;
    T_KeysForm* KeysForm = nullptr;
    T_ProgressForm* ProgressForm = nullptr;
    TUndoHistoryForm* UndoHistoryForm = nullptr;
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
    std::unique_ptr<THelpWindow> Form2;
    std::unique_ptr<TExtractionWindow> Form3;
    std::unique_ptr<TAboutWindow> Form4;
    std::unique_ptr<THtmlWindow> Form5;
    std::unique_ptr<TMacro_Form> Macro_Form;
    std::unique_ptr<TReplaceDialog> ReplaceInName_Form;
    std::unique_ptr<T_SettingsForm> SettingsForm;
    std::unique_ptr<T_ErrorForm> ErrorForm;
    std::unique_ptr<T_KeysForm> KeysForm;
    std::unique_ptr<T_ProgressForm> ProgressForm;
    std::unique_ptr<TUndoHistoryForm> UndoHistoryForm;
    TWindows All;
};
