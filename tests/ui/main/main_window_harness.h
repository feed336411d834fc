#pragma once

#include "settings/registry.h"
#include "support/mp3_fixture.h"
#include "ui/components/panel.h"
#include "ui/main/main_window.h"
#include "ui/main/windows.h"
#include "ui/support/scripted_prompts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <memory>
#include <string>

// The main window with all other windows, as the program builds them, answering its prompts from
// a script. Each test program runs several starts, so the settings store is emptied between them
// through the store's own functions.

// An MPEG-1 Layer III file of three frames at `kbps` (44100 Hz, stereo), with an optional
// trailer.
inline std::string Mp3At(int kbps, const std::string& trailer = {})
{
    static const int Rates[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    const auto index = std::uint32_t(std::find(Rates, std::end(Rates), kbps) - Rates);
    const std::string frame = MakeFrame(0xFFFB0000u | (index << 12), 144000 * kbps / 44100);
    return frame + frame + frame + trailer;
}

inline void ClearSettingsStore()
{
    TSettingsBatch batch;
    for (const QString& section : StoreSections()) {
        batch.Erase(section);
    }
}

class TMainWindowHarness
{
public:
    TScriptedPrompts Prompts;
    std::unique_ptr<TApplicationWindows> App;
    TMainWindow* Main = nullptr;

    void Start()
    {
        Prompts = TScriptedPrompts(); // no answer of an earlier start is left over
        App = std::make_unique<TApplicationWindows>(Prompts);
        Main = App->Windows().MainWindow;
        Main->show();
    }

    // Closes the main window as the user does, then ends the program's windows.
    void Stop()
    {
        if (Main != nullptr) {
            Main->close();
        }
        App.reset();
        Main = nullptr;
    }

    const TWindows& Windows() const { return App->Windows(); }
    TWorkspace& Work() const { return App->Work(); }
    bool Scanning() const { return Work().Activity.State() == TActivityKind::Scanning; }

    void Open(const std::string& folder)
    {
        Prompts.AnswerFolder(QString::fromStdString(folder));
        Find<QToolButton>("OpenFolderButton")->click();
    }

    QListView* List() const { return Find<QListView>("FileList"); }
    QModelIndex Row(int row) const { return List()->model()->index(row, 0); }
    QStringList Listed() const
    {
        QStringList names;
        for (int i = 0; i < List()->model()->rowCount(); ++i) {
            names << Row(i).data().toString();
        }
        return names;
    }
    QStringList SelectedNames() const
    {
        QStringList names;
        for (const QModelIndex& index : List()->selectionModel()->selectedIndexes()) {
            names << index.data().toString();
        }
        return names;
    }

    // What a label, a text box, a combo box or a panel of the main window shows.
    QString Text(const char* name) const
    {
        auto* control = Find<QWidget>(name);
        if (auto* box = qobject_cast<QComboBox*>(control)) {
            return box->currentText();
        }
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            return edit->text();
        }
        if (auto* panel = qobject_cast<TPanel*>(control)) {
            return panel->Caption();
        }
        return qobject_cast<QLabel*>(control)->text();
    }

    // The field check boxes by field index 0 (title) .. 6 (track), and the recent folders' menu
    // entries by slot 0 .. 9.
    QCheckBox* FieldCheck(int field) const
    {
        static const char* const names[] = {"TitleCheck", "ArtistCheck",  "AlbumCheck",
                                            "YearCheck",  "CommentCheck", "GenreCheck",
                                            "TrackCheck"};
        return Find<QCheckBox>(names[field]);
    }
    QAction* RecentItem(int slot) const
    {
        return Main->findChild<QAction*>(QStringLiteral("RecentFolderItem%1").arg(slot + 1));
    }

    // A click on a list row, with Ctrl to add or remove it from the selection.
    void ClickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QListView* list = List();
        list->scrollTo(Row(row));
        // a long list is laid out in batches from the event loop
        for (int i = 0;
             i < 200 && !list->viewport()->rect().contains(list->visualRect(Row(row)).center());
             ++i) {
            QCoreApplication::processEvents();
        }
        const QRect rect = list->visualRect(Row(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
    }

    // The commands that wait while a folder is scanned or a batch runs, and those of them that
    // are enabled now.
    static QStringList BusyCommands()
    {
        QStringList names = {"OpenFolderButton", "ClearTagsButton", "WriteTagButton",
                             "RenameButton",     "NameToTagButton", "HtmlButton",
                             "OpenItem",         "CopyId3v2Item"};
        for (int slot = 1; slot <= 10; ++slot) {
            names << QStringLiteral("RecentFolderItem%1").arg(slot);
        }
        return names;
    }
    QStringList EnabledCommands() const
    {
        QStringList enabled;
        for (const QString& name : BusyCommands()) {
            auto* button = Main->findChild<QWidget*>(name);
            if (button != nullptr ? button->isEnabled()
                                  : Main->findChild<QAction*>(name)->isEnabled()) {
                enabled << name;
            }
        }
        return enabled;
    }

    // Counts the program's turns to `kind` and lists the commands still enabled at each.
    struct TBusyWatch
    {
        int Turns = 0;
        QStringList Enabled;
    };
    std::shared_ptr<TBusyWatch> WatchBusy(TActivityKind kind)
    {
        auto watch = std::make_shared<TBusyWatch>();
        Work().Activity.OnChanged([this, kind, watch](TActivityKind now) {
            if (now == kind) {
                ++watch->Turns;
                watch->Enabled << EnabledCommands();
            }
        });
        return watch;
    }

    template <typename T> T* Find(const char* name) const
    {
        return Main->findChild<T*>(QLatin1String(name));
    }
};
