#pragma once

#include <memory>

class T_ErrorForm;
class T_Form3;
class T_Form5;
class T_KeysForm;
class T_MainForm;
class T_ProgressForm;
class T_SettingsForm;
class TForm2;
class TForm4;
class TMacro_Form;
class TPrompts;
class TReplaceInName_Form;

// Every window of the program, for the windows that reach into others.
struct TWindows
{
    T_MainForm* MainForm = nullptr;
    TForm2* Form2 = nullptr;
    T_Form3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
    T_Form5* Form5 = nullptr;
    TMacro_Form* Macro_Form = nullptr;
    TReplaceInName_Form* ReplaceInName_Form = nullptr;
    T_SettingsForm* SettingsForm = nullptr;
    T_ErrorForm* ErrorForm = nullptr;
    T_KeysForm* KeysForm = nullptr;
    T_ProgressForm* ProgressForm = nullptr;
};

// Creates the eleven windows in their fixed order, the main window first; every window but the
// main window stays hidden until it is shown. They are destroyed in the reverse order.
class TApplicationWindows
{
public:
    explicit TApplicationWindows(TPrompts& prompts);
    ~TApplicationWindows();
    TApplicationWindows(const TApplicationWindows&) = delete;
    TApplicationWindows& operator=(const TApplicationWindows&) = delete;

    const TWindows& Windows() const { return All; }

private:
    std::unique_ptr<T_MainForm> MainForm;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<T_Form3> Form3;
    std::unique_ptr<TForm4> Form4;
    std::unique_ptr<T_Form5> Form5;
    std::unique_ptr<TMacro_Form> Macro_Form;
    std::unique_ptr<TReplaceInName_Form> ReplaceInName_Form;
    std::unique_ptr<T_SettingsForm> SettingsForm;
    std::unique_ptr<T_ErrorForm> ErrorForm;
    std::unique_ptr<T_KeysForm> KeysForm;
    std::unique_ptr<T_ProgressForm> ProgressForm;
    TWindows All;
};
