#pragma once

#include "ui/components/prompts.h"
#include "ui/main/main_window.h"
#include "ui/main/windows.h"

#include <QApplication>
#include <QListView>
#include <QTemporaryDir>
#include <QToolButton>

// Answers every folder request with one folder and every confirmation with one answer, so a
// benchmark drives the windows without a modal box.
class TBenchPrompts : public TPrompts
{
public:
    QString Folder;
    bool ConfirmAnswer = false;

    bool Confirm(QWidget*, const QString&, const QString&) override { return ConfirmAnswer; }
    bool AskYesNo(QWidget*, const QString&, const QString&) override { return false; }
    void Inform(QWidget*, const QString&, const QString&) override {}
    std::optional<QString> PickFolder(QWidget*, const QString&, const QString&,
                                      const QString&) override
    {
        return Folder;
    }
    bool OpenUrl(const QString&) override { return true; }
};

// A settings and state folder of the benchmark's own, so that it never touches the user's settings
// or undo journal; also chooses the offscreen platform unless another is set. Made before the
// application.
struct TBenchSettingsFolder
{
    QTemporaryDir Folder;

    TBenchSettingsFolder()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qputenv("XDG_CONFIG_HOME", Folder.path().toLocal8Bit());
        qputenv("XDG_STATE_HOME", (Folder.path() + "/state").toLocal8Bit());
    }
};

// The program's windows as it builds them, answering through TBenchPrompts.
class TBenchWindows
{
    TBenchSettingsFolder Settings; // first: the application reads the settings folder

public:
    QApplication App;
    TBenchPrompts Prompts;
    TApplicationWindows Windows;

    TBenchWindows(int& argc, char** argv) : App(argc, argv), Windows(Prompts) {}

    TMainWindow* Main() const { return Windows.Windows().MainWindow; }

    // Lists `folder` in the main window through its Open button; the number of files listed.
    int Open(const QString& folder)
    {
        Prompts.Folder = folder;
        Main()->findChild<QToolButton*>(QStringLiteral("OpenFolderButton"))->click();
        return List()->model()->rowCount();
    }

    QListView* List() const { return Main()->findChild<QListView*>(QStringLiteral("FileList")); }
    // Makes `row` the current and only selected row, as a click does.
    void SelectRow(int row) const { List()->setCurrentIndex(List()->model()->index(row, 0)); }
};
