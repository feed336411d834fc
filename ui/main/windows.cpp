#include "ui/main/windows.h"

#include "engine/code_page.h"
#include "journal/journal_file.h"
#include "settings/stored_settings.h"
#include "ui/auxiliary/about_form.h"
#include "ui/auxiliary/error_form.h"
#include "ui/auxiliary/help_form.h"
#include "ui/auxiliary/keys_form.h"
#include "ui/auxiliary/macro_form.h"
#include "ui/auxiliary/progress_form.h"
#include "ui/auxiliary/settings_form.h"
#include "ui/auxiliary/undo_history_form.h"
#include "ui/extract/extraction_window.h"
#include "ui/extract/replace_dialog.h"
#include "ui/html/html_form.h"
#include "ui/main/main_window.h"

#include <QApplication>

#include <cstdlib>

TApplicationWindows::TApplicationWindows(TPrompts& prompts)
    : MainWindow(std::make_unique<TMainWindow>(Workspace, prompts)),
      Form2(std::make_unique<THelpWindow>()),
      Form3(std::make_unique<TExtractionWindow>(Workspace, prompts)),
      Form4(std::make_unique<TAboutWindow>(prompts)),
      Form5(std::make_unique<THtmlWindow>(Workspace, prompts)),
      Macro_Form(std::make_unique<TMacro_Form>(prompts)),
      ReplaceInName_Form(std::make_unique<TReplaceDialog>(prompts)),
      SettingsForm(std::make_unique<T_SettingsForm>(Workspace, prompts)),
      ErrorForm(std::make_unique<T_ErrorForm>()), KeysForm(std::make_unique<T_KeysForm>()),
      ProgressForm(std::make_unique<T_ProgressForm>()),
      UndoHistoryForm(std::make_unique<TUndoHistoryForm>(Workspace.JournalFolder))
{
    Workspace.JournalFolder = JournalFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
    All = {MainWindow.get(),
           Form2.get(),
           Form3.get(),
           Form4.get(),
           Form5.get(),
           Macro_Form.get(),
           ReplaceInName_Form.get(),
           SettingsForm.get(),
           ErrorForm.get(),
           KeysForm.get(),
           ProgressForm.get(),
           UndoHistoryForm.get()};
    ConnectWindows();
}

TApplicationWindows::~TApplicationWindows() = default;

// Every signal between two windows is connected here, and nowhere else.
void TApplicationWindows::ConnectWindows()
{
    TMainWindow* main = MainWindow.get();
    T_ErrorForm* errors = ErrorForm.get();
    QObject::connect(main, &TMainWindow::ShowWindowRequested, main,
                     [this](TWindowId id) { ShowWindow(id); });
    QObject::connect(main, &TMainWindow::HtmlRunRequested, Form5.get(),
                     &THtmlWindow::Generate_SBClick);
    QObject::connect(main, &TMainWindow::StoringSettings, Form3.get(),
                     &TExtractionWindow::StoreLastFormula);
    QObject::connect(main, &TMainWindow::CountsChanged, Form3.get(),
                     &TExtractionWindow::ShowFileCounts);
    QObject::connect(main, &TMainWindow::HintsChanged, Form3.get(), &TExtractionWindow::ShowHints);
    QObject::connect(main, &TMainWindow::HintsChanged, Macro_Form.get(), &TMacro_Form::ShowHints);

    QObject::connect(main, &TMainWindow::ErrorLogEmptied, errors, &T_ErrorForm::EmptyLog);
    QObject::connect(main, &TMainWindow::BitRateWarned, errors, &T_ErrorForm::AddBitRateWarning);
    QObject::connect(main, &TMainWindow::BitRateFolderDone, errors,
                     &T_ErrorForm::ShowBitRateWarnings);
    QObject::connect(main, &TMainWindow::ErrorsClearRequested, errors, &T_ErrorForm::Clear);
    QObject::connect(main, &TMainWindow::FilesFailed, errors, &T_ErrorForm::ShowFailures);
    QObject::connect(errors, &T_ErrorForm::Cleared, main, &TMainWindow::ErrorFormCleared);
    T_ProgressForm* progress = ProgressForm.get();
    QObject::connect(main, &TMainWindow::ProgressShown, progress, &QWidget::setVisible);
    QObject::connect(main, &TMainWindow::ProgressReported, progress, &T_ProgressForm::Report);

    THtmlWindow* html = Form5.get();
    QObject::connect(html, &THtmlWindow::ProgressShown, progress, &QWidget::setVisible);
    QObject::connect(html, &THtmlWindow::ProgressReported, progress, &T_ProgressForm::Report);
    QObject::connect(html, &THtmlWindow::FileListHidden, main, &TMainWindow::HideFileListForRun);
    QObject::connect(html, &THtmlWindow::FilesFailed, errors, &T_ErrorForm::ShowFailures);

    TMacro_Form* macros = Macro_Form.get();
    macros->MainMacro = [main] { return main->MacroText(); };
    macros->PreviewOf = [main](const QString& macro) { return main->MacroPreview(macro); };
    QObject::connect(macros, &TMacro_Form::MacroChosen, main, &TMainWindow::SetMacro);
    QObject::connect(macros, &TMacro_Form::Showing, main, &TMainWindow::ResetButtonColours);

    // the settings window's changes reach the main window's options at once
    T_SettingsForm* settings = SettingsForm.get();
    TWorkspace& work = Workspace;
    QObject::connect(
        settings, &T_SettingsForm::EnabledFieldChanged, main,
        [&work](int field, bool enabled) { work.Fields.EnabledFields[field] = enabled; });
    QObject::connect(settings, &T_SettingsForm::LimitTo64Changed, main,
                     [&work](bool limit) { work.Options.LimitTo64 = limit; });
    QObject::connect(settings, &T_SettingsForm::WarningBitRateChanged, main,
                     [&work](bool warn) { work.Options.WarningBitRate = warn; });
    QObject::connect(settings, &T_SettingsForm::ExcludeIfWarningChanged, main,
                     [&work](bool exclude) { work.Options.ExcludeIfWarning = exclude; });
    QObject::connect(settings, &T_SettingsForm::BitRateBandChanged, main,
                     [&work](std::int32_t low, std::int32_t high) {
                         work.Options.LowBitRate = low;
                         work.Options.HighBitRate = high;
                     });
    QObject::connect(settings, &T_SettingsForm::ClearRecentPathsRequested, main,
                     &TMainWindow::ClearRecentPaths);
    QObject::connect(settings, &T_SettingsForm::TagCodePageChosen, main,
                     [main, &work](const QString& name) {
                         if (const TTagCodePage* page = FindTagCodePage(name.toStdString())) {
                             work.Options.TagCodePage = *page;
                             main->RedisplayFile();
                         }
                     });

    QObject::connect(UndoHistoryForm.get(), &TUndoHistoryForm::UndoRequested, main,
                     &TMainWindow::UndoBatchChosen);

    TExtractionWindow* extraction = Form3.get();
    TReplaceDialog* replace = ReplaceInName_Form.get();
    QObject::connect(main, &TMainWindow::ExtractionStarting, extraction,
                     &TExtractionWindow::StartExtraction);
    QObject::connect(extraction, &TExtractionWindow::Hidden, main, &TMainWindow::ShowFileList);
    QObject::connect(extraction, &TExtractionWindow::CurrentRowRequested, main,
                     &TMainWindow::SetCurrentRow);
    QObject::connect(extraction, &TExtractionWindow::WholePathDone, main,
                     &TMainWindow::WholePathModeOff);
    QObject::connect(extraction, &TExtractionWindow::ErrorLogEmptied, errors,
                     &T_ErrorForm::EmptyLog);
    QObject::connect(extraction, &TExtractionWindow::FilesFailed, errors,
                     &T_ErrorForm::ShowFailures);
    QObject::connect(extraction, &TExtractionWindow::ErrorsShowRequested, errors,
                     &T_ErrorForm::Show);
    QObject::connect(extraction, &TExtractionWindow::ProgressShown, progress, &QWidget::setVisible);
    QObject::connect(extraction, &TExtractionWindow::ProgressReported, progress,
                     &T_ProgressForm::Report);
    replace->SetPairs(&extraction->ReplacePairs());
    QObject::connect(extraction, &TExtractionWindow::ReplaceDialogRequested, replace,
                     &TReplaceDialog::ShowDialog);
    QObject::connect(replace, &TReplaceDialog::PairsChanged, extraction,
                     &TExtractionWindow::ShowReplacePairs);
}

void TApplicationWindows::ShowWindow(TWindowId id)
{
    QWidget* window = nullptr;
    switch (id) {
    case TWindowId::Settings:
        window = SettingsForm.get();
        break;
    case TWindowId::Keys:
        window = KeysForm.get();
        break;
    case TWindowId::Errors:
        ErrorForm->Show();
        return;
    case TWindowId::MacroHelp:
        window = Form2.get();
        break;
    case TWindowId::About:
        window = Form4.get();
        break;
    case TWindowId::Macros:
        window = Macro_Form.get();
        break;
    case TWindowId::NameToTag:
        window = Form3.get();
        break;
    case TWindowId::UndoHistory:
        window = UndoHistoryForm.get();
        break;
    }
    if (window != nullptr) {
        window->show();
        window->raise();
        window->activateWindow();
    }
}

int TApplicationWindows::Run()
{
    // The other windows only hide on a close request, so a quit that asks every window to close
    // would be refused by them; the program ends with its main window instead.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(MainWindow.get(), &TMainWindow::Closed, MainWindow.get(), [this] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != MainWindow.get()) {
                window->hide();
            }
        }
        QCoreApplication::exit(0);
    });
    MainWindow->show();
    return QApplication::exec();
}
