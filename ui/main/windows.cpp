#include "ui/main/windows.h"

#include "engine/code_page.h"
#include "journal/journal_file.h"
#include "settings/stored_settings.h"
#include "ui/auxiliary/about_window.h"
#include "ui/auxiliary/error_window.h"
#include "ui/auxiliary/help_window.h"
#include "ui/auxiliary/macro_list_window.h"
#include "ui/auxiliary/progress_window.h"
#include "ui/auxiliary/settings_window.h"
#include "ui/auxiliary/shortcut_list_window.h"
#include "ui/auxiliary/undo_history_window.h"
#include "ui/extract/extraction_window.h"
#include "ui/extract/replace_dialog.h"
#include "ui/html/html_window.h"
#include "ui/main/main_window.h"

#include <QApplication>

#include <cstdlib>

TApplicationWindows::TApplicationWindows(TPrompts& prompts)
    : MainWindow(std::make_unique<TMainWindow>(Workspace, prompts)),
      HelpWindow(std::make_unique<THelpWindow>()),
      ExtractionWindow(std::make_unique<TExtractionWindow>(Workspace, prompts)),
      AboutWindow(std::make_unique<TAboutWindow>(prompts)),
      HtmlWindow(std::make_unique<THtmlWindow>(Workspace, prompts)),
      MacroListWindow(std::make_unique<TMacroListWindow>(prompts)),
      ReplaceDialog(std::make_unique<TReplaceDialog>(prompts)),
      SettingsWindow(std::make_unique<TSettingsWindow>(Workspace, prompts)),
      ErrorWindow(std::make_unique<TErrorWindow>()),
      ShortcutListWindow(std::make_unique<TShortcutListWindow>()),
      ProgressWindow(std::make_unique<TProgressWindow>()),
      UndoHistoryWindow(std::make_unique<TUndoHistoryWindow>(Workspace.JournalFolder))
{
    Workspace.JournalFolder = JournalFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
    All = {MainWindow.get(),         HelpWindow.get(),     ExtractionWindow.get(),
           AboutWindow.get(),        HtmlWindow.get(),     MacroListWindow.get(),
           ReplaceDialog.get(),      SettingsWindow.get(), ErrorWindow.get(),
           ShortcutListWindow.get(), ProgressWindow.get(), UndoHistoryWindow.get()};
    ConnectWindows();
}

TApplicationWindows::~TApplicationWindows() = default;

// Every signal between two windows is connected here, and nowhere else.
void TApplicationWindows::ConnectWindows()
{
    TMainWindow* main = MainWindow.get();
    TErrorWindow* errors = ErrorWindow.get();
    QObject::connect(main, &TMainWindow::ShowWindowRequested, main,
                     [this](TWindowId id) { ShowWindow(id); });
    QObject::connect(main, &TMainWindow::HtmlRunRequested, HtmlWindow.get(),
                     &THtmlWindow::GenerateClicked);
    QObject::connect(main, &TMainWindow::StoringSettings, ExtractionWindow.get(),
                     &TExtractionWindow::StoreLastFormula);
    QObject::connect(main, &TMainWindow::CountsChanged, ExtractionWindow.get(),
                     &TExtractionWindow::ShowFileCounts);
    QObject::connect(main, &TMainWindow::HintsChanged, ExtractionWindow.get(),
                     &TExtractionWindow::ShowHints);
    QObject::connect(main, &TMainWindow::HintsChanged, MacroListWindow.get(),
                     &TMacroListWindow::ShowHints);

    QObject::connect(main, &TMainWindow::ErrorLogEmptied, errors, &TErrorWindow::EmptyLog);
    QObject::connect(main, &TMainWindow::BitRateWarned, errors, &TErrorWindow::AddBitRateWarning);
    QObject::connect(main, &TMainWindow::BitRateFolderDone, errors,
                     &TErrorWindow::ShowBitRateWarnings);
    QObject::connect(main, &TMainWindow::ErrorsClearRequested, errors, &TErrorWindow::Clear);
    QObject::connect(main, &TMainWindow::FilesFailed, errors, &TErrorWindow::ShowFailures);
    QObject::connect(errors, &TErrorWindow::Cleared, main, &TMainWindow::ErrorListCleared);
    TProgressWindow* progress = ProgressWindow.get();
    QObject::connect(main, &TMainWindow::ProgressShown, progress, &QWidget::setVisible);
    QObject::connect(main, &TMainWindow::ProgressReported, progress, &TProgressWindow::Report);

    THtmlWindow* html = HtmlWindow.get();
    QObject::connect(html, &THtmlWindow::ProgressShown, progress, &QWidget::setVisible);
    QObject::connect(html, &THtmlWindow::ProgressReported, progress, &TProgressWindow::Report);
    QObject::connect(html, &THtmlWindow::FileListHidden, main, &TMainWindow::HideFileListForRun);
    QObject::connect(html, &THtmlWindow::FilesFailed, errors, &TErrorWindow::ShowFailures);

    TMacroListWindow* macros = MacroListWindow.get();
    macros->MainMacro = [main] { return main->MacroText(); };
    macros->PreviewOf = [main](const QString& macro) { return main->MacroPreview(macro); };
    QObject::connect(macros, &TMacroListWindow::MacroChosen, main, &TMainWindow::SetMacro);
    QObject::connect(macros, &TMacroListWindow::Showing, main, &TMainWindow::ResetButtonColours);

    // the settings window's changes reach the main window's options at once
    TSettingsWindow* settings = SettingsWindow.get();
    TWorkspace& work = Workspace;
    QObject::connect(
        settings, &TSettingsWindow::EnabledFieldChanged, main,
        [&work](int field, bool enabled) { work.Fields.EnabledFields[field] = enabled; });
    QObject::connect(settings, &TSettingsWindow::LimitTo64Changed, main,
                     [&work](bool limit) { work.Options.LimitTo64 = limit; });
    QObject::connect(settings, &TSettingsWindow::WriteId3v2Changed, main,
                     [&work](bool write) { work.Options.WriteId3v2 = write; });
    QObject::connect(settings, &TSettingsWindow::WarningBitRateChanged, main,
                     [&work](bool warn) { work.Options.WarningBitRate = warn; });
    QObject::connect(settings, &TSettingsWindow::ExcludeIfWarningChanged, main,
                     [&work](bool exclude) { work.Options.ExcludeIfWarning = exclude; });
    QObject::connect(settings, &TSettingsWindow::BitRateBandChanged, main,
                     [&work](std::int32_t low, std::int32_t high) {
                         work.Options.LowBitRate = low;
                         work.Options.HighBitRate = high;
                     });
    QObject::connect(settings, &TSettingsWindow::ClearRecentPathsRequested, main,
                     &TMainWindow::ClearRecentPaths);
    QObject::connect(settings, &TSettingsWindow::TagCodePageChosen, main,
                     [main, &work](const QString& name) {
                         if (const TTagCodePage* page = FindTagCodePage(name.toStdString())) {
                             work.Options.TagCodePage = *page;
                             main->RedisplayFile();
                         }
                     });

    QObject::connect(UndoHistoryWindow.get(), &TUndoHistoryWindow::UndoRequested, main,
                     &TMainWindow::UndoBatchChosen);

    TExtractionWindow* extraction = ExtractionWindow.get();
    TReplaceDialog* replace = ReplaceDialog.get();
    QObject::connect(main, &TMainWindow::ExtractionStarting, extraction,
                     &TExtractionWindow::StartExtraction);
    QObject::connect(extraction, &TExtractionWindow::Hidden, main, &TMainWindow::ShowFileList);
    QObject::connect(extraction, &TExtractionWindow::CurrentRowRequested, main,
                     &TMainWindow::SetCurrentRow);
    QObject::connect(extraction, &TExtractionWindow::WholePathDone, main,
                     &TMainWindow::WholePathModeOff);
    QObject::connect(extraction, &TExtractionWindow::ErrorLogEmptied, errors,
                     &TErrorWindow::EmptyLog);
    QObject::connect(extraction, &TExtractionWindow::FilesFailed, errors,
                     &TErrorWindow::ShowFailures);
    QObject::connect(extraction, &TExtractionWindow::ErrorsShowRequested, errors,
                     &TErrorWindow::Show);
    QObject::connect(extraction, &TExtractionWindow::ProgressShown, progress, &QWidget::setVisible);
    QObject::connect(extraction, &TExtractionWindow::ProgressReported, progress,
                     &TProgressWindow::Report);
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
        window = SettingsWindow.get();
        break;
    case TWindowId::Keys:
        window = ShortcutListWindow.get();
        break;
    case TWindowId::Errors:
        ErrorWindow->Show();
        return;
    case TWindowId::MacroHelp:
        window = HelpWindow.get();
        break;
    case TWindowId::About:
        window = AboutWindow.get();
        break;
    case TWindowId::Macros:
        window = MacroListWindow.get();
        break;
    case TWindowId::NameToTag:
        window = ExtractionWindow.get();
        break;
    case TWindowId::UndoHistory:
        window = UndoHistoryWindow.get();
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
