#include "ui/auxiliary/about_form.h"
#include "ui/auxiliary/error_form.h"
#include "ui/auxiliary/help_form.h"
#include "ui/auxiliary/keys_form.h"
#include "ui/auxiliary/macro_form.h"
#include "ui/auxiliary/progress_form.h"
#include "ui/auxiliary/settings_form.h"
#include "ui/components/panel.h"
#include "ui/extract/extract_form.h"
#include "ui/extract/replace_in_name_form.h"
#include "ui/html/html_form.h"
#include "ui/main/main_window_harness.h"
#include "workspace/options.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTimer>
#include <QtTest>

// Start-up, the first start of a new user, and what survives a restart.
class TMainFormStartTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { ClearSettingsStore(); }
    void cleanup() { Program.Stop(); }

    void WindowsStartHiddenAndOpenModelessFromTheirButtons()
    {
        Program.Start();
        const TWindows& w = Program.Windows();
        QCOMPARE(Program.Main->windowTitle(), QStringLiteral("Cantrel v3.1.7"));
        const std::pair<const char*, QWidget*> buttons[] = {
            {"Settings_SB", w.SettingsForm},
            {"Keys_SB", w.KeysForm},
            {"ShowErrors_SB", w.ErrorForm},
            {"Help_Macros_SB", w.Form2},
            {"About_SB", w.Form4},
            {"Macro_SB", w.Macro_Form},
            {nullptr, w.Form3},
            {nullptr, w.Form5},
            {nullptr, w.ReplaceInName_Form},
            {nullptr, w.ProgressForm},
        };
        for (const auto& [name, window] : buttons) {
            const QByteArray what =
                name != nullptr ? QByteArray(name) : window->objectName().toUtf8();
            QVERIFY2(window->isWindow() && !window->isVisible(), what.data());
            window->show();
            if (name != nullptr) {
                window->hide();
                Program.Find<QToolButton>(name)->click();
            }
            QVERIFY2(window->isVisible() && !window->isModal(), what.data());
            // a close request hides the window and keeps it
            QVERIFY2(!window->close() && !window->isVisible(), what.data());
        }
        Program.Find<QToolButton>("Mail_SB")->click();
        Program.Find<QToolButton>("Web_SB")->click();
        QCOMPARE(Program.Prompts.OpenedUrls.size(), 2);
        QVERIFY(Program.Prompts.OpenedUrls[0].startsWith(QLatin1String("mailto:")));
    }

    void ClosingTheMainWindowEndsTheProgram()
    {
        Program.Start();
        Program.Find<QToolButton>("ShowErrors_SB")->click();
        Program.Find<QToolButton>("About_SB")->click();
        QTimer::singleShot(0, Program.Main, [this] { Program.Main->close(); });
        // a program that keeps running without a window is ended here with another code
        QTimer stuck;
        stuck.setSingleShot(true);
        connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        stuck.start(5000);
        QCOMPARE(Program.App->Run(), 0);
        QVERIFY(!static_cast<QWidget*>(Program.Windows().ErrorForm)->isVisible());
        QVERIFY(!static_cast<QWidget*>(Program.Windows().Form4)->isVisible());
    }

    void FirstStartShowsTheDefaultsAndExitStoresThem()
    {
        Program.Start();
        const QString macro =
            QString::fromUtf8(DefaultMacro.data(), qsizetype(DefaultMacro.size()));
        QCOMPARE(Program.Find<QListWidget>("ListBox1")->count(), 0);
        QCOMPARE(Program.Find<QLineEdit>("Edit6")->text(), macro);
        QCOMPARE(Program.Find<TPanel>("Panel2")->width(), 25); // the help column starts collapsed
        Program.Stop();
        const TSettingsBatch store;
        QCOMPARE(store.ReadString(LastMacrosKey), macro);
        QVERIFY(store.Value(PlacementKey(PlacementSections[0], PlacementWidth)));
    }

    void UnreadableSettingsAreSetAsideAndToldOnce()
    {
        const QString file =
            QSettings(QSettings::NativeFormat, QSettings::UserScope, RegCompany, RegAppName)
                .fileName();
        const std::string garbage("\x01\xff[General\x00==\n\x80\x81 \"\n", 19);
        WriteBytes(file.toStdString(), garbage);
        Program.Start();
        QCOMPARE(Program.Prompts.Messages.size(), 1);
        QVERIFY(Program.Prompts.Messages[0].Text.contains(file + ".broken"));
        QCOMPARE(ReadBytes(file.toStdString() + ".broken"), garbage);
        Program.Main->hide();
        Program.Main->show();
        QCOMPARE(Program.Prompts.Messages.size(), 1);
    }

    void ChoicesSurviveARestart()
    {
        TTempDir music;
        WriteBytes(music / "a.mp3", Mp3At(128));
        Program.Start();
        Program.Open(music.Path().string());
        Program.Find<QLineEdit>("Edit6")->setText(QStringLiteral("%a% - %t%"));
        Program.Work().Options.HighBitRate = 320;
        Program.Work().Fields.EnabledFields[6] = true;
        Program.Main->resize(700, 560);
        Program.Stop();

        Program.Start();
        QCOMPARE(Program.Find<QLineEdit>("Edit6")->text(), QStringLiteral("%a% - %t%"));
        QCOMPARE(Program.Work().Options.HighBitRate, 320);
        QVERIFY(Program.Work().Fields.EnabledFields[6]);
        const QString folder = QString::fromStdString(music.Path().string());
        QCOMPARE(Program.RecentItem(0)->text(), folder);
        QCOMPARE(Program.Main->size(), QSize(700, 560));
        // scan mode and help column are not stored
        QVERIFY(!Program.Work().RecursiveScan);
        QCOMPARE(Program.Find<TPanel>("Panel2")->width(), 25);
        // nothing is scanned at start; the last folder only preselects the picker
        QCOMPARE(Program.Find<QListWidget>("ListBox1")->count(), 0);
        QVERIFY(Program.Prompts.FolderRequests.isEmpty());
        Program.Find<QToolButton>("Open_SB")->click();
        QCOMPARE(Program.Prompts.FolderRequests.size(), 1);
        QCOMPARE(Program.Prompts.FolderRequests[0].Start, folder);
    }

private:
    TMainWindowHarness Program;
};

QTEST_MAIN(TMainFormStartTest)
#include "main_form_start_test.moc"
