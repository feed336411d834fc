#include "ui/main/windows.h"

#include "ui/auxiliary/about_form.h"
#include "ui/auxiliary/error_form.h"
#include "ui/auxiliary/help_form.h"
#include "ui/auxiliary/keys_form.h"
#include "ui/auxiliary/macro_form.h"
#include "ui/auxiliary/progress_form.h"
#include "ui/auxiliary/settings_form.h"
#include "ui/extract/extract_form.h"
#include "ui/extract/replace_in_name_form.h"
#include "ui/html/html_form.h"
#include "ui/main/main_form.h"

TApplicationWindows::TApplicationWindows(TPrompts& prompts)
    : MainForm(std::make_unique<T_MainForm>(prompts)), Form2(std::make_unique<TForm2>()),
      Form3(std::make_unique<T_Form3>()), Form4(std::make_unique<TForm4>(prompts)),
      Form5(std::make_unique<T_Form5>()), Macro_Form(std::make_unique<TMacro_Form>()),
      ReplaceInName_Form(std::make_unique<TReplaceInName_Form>()),
      SettingsForm(std::make_unique<T_SettingsForm>()), ErrorForm(std::make_unique<T_ErrorForm>()),
      KeysForm(std::make_unique<T_KeysForm>()), ProgressForm(std::make_unique<T_ProgressForm>())
{
    All = {MainForm.get(),
           Form2.get(),
           Form3.get(),
           Form4.get(),
           Form5.get(),
           Macro_Form.get(),
           ReplaceInName_Form.get(),
           SettingsForm.get(),
           ErrorForm.get(),
           KeysForm.get(),
           ProgressForm.get()};
    MainForm->AttachWindows(&All);
}

TApplicationWindows::~TApplicationWindows() = default;
