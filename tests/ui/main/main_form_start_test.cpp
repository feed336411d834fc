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

    void ElevenWindowsOnlyTheMainWindowShown()
    {
        Program.Start();
        const TWindows& w = Program.Windows();
        const std::pair<QWidget*, const char*> windows[] = {
            {static_cast<QWidget*>(w.Form2), "Macros ..."},
            {static_cast<QWidget*>(w.Form3), "[ File Name ]   to   [ ID3 Tag ]"},
            {static_cast<QWidget*>(w.Form4), "Created by ..."},
            {static_cast<QWidget*>(w.Form5), "Generate HTML Page from ID3 Tag ..."},
            {static_cast<QWidget*>(w.Macro_Form), "Select / Add / Delete - Macro`s"},
            {static_cast<QWidget*>(w.ReplaceInName_Form), "Replace In Name ..."},
            {static_cast<QWidget*>(w.SettingsForm), "Settings"},
            {static_cast<QWidget*>(w.KeysForm), "ShortCuts :"},
        };
        QCOMPARE(Program.Main->windowTitle(), QStringLiteral("Cantrel v3.1.7"));
        QVERIFY(Program.Main->isVisible());
        for (const auto& [window, caption] : windows) {
            QVERIFY(window != nullptr);
            QCOMPARE(window->windowTitle(), QString::fromUtf8(caption));
            QVERIFY2(!window->isVisible(), caption);
            QVERIFY(window->isWindow());
            // a close request hides the window and keeps it
            window->show();
            QVERIFY(!window->close());
            QVERIFY2(!window->isVisible(), caption);
        }
        QVERIFY(!static_cast<QWidget*>(w.ErrorForm)->isVisible());
        QVERIFY(!static_cast<QWidget*>(w.ProgressForm)->isVisible());
    }

    void ButtonsShowTheirWindowsModelessly()
    {
        Program.Start();
        const TWindows& w = Program.Windows();
        const std::pair<const char*, QWidget*> buttons[] = {
            {"Settings_SB", static_cast<QWidget*>(w.SettingsForm)},
            {"Keys_SB", static_cast<QWidget*>(w.KeysForm)},
            {"ShowErrors_SB", static_cast<QWidget*>(w.ErrorForm)},
            {"Help_Macros_SB", static_cast<QWidget*>(w.Form2)},
            {"About_SB", static_cast<QWidget*>(w.Form4)},
            {"Macro_SB", static_cast<QWidget*>(w.Macro_Form)},
        };
        for (const auto& [name, window] : buttons) {
            Program.Find<QToolButton>(name)->click();
            QVERIFY2(window->isVisible(), name);
            QVERIFY2(!window->isModal(), name);
        }
        Program.Find<QToolButton>("Mail_SB")->click();
        Program.Find<QToolButton>("Web_SB")->click();
        QCOMPARE(Program.Prompts.OpenedUrls.size(), 2);
        QVERIFY(Program.Prompts.OpenedUrls[0].startsWith(QLatin1String("mailto:")));
        QVERIFY(Program.Prompts.OpenedUrls[1].startsWith(QLatin1String("http")));
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

    void FirstStartShowsTheDefaults()
    {
        Program.Start();
        QCOMPARE(Program.Find<QListWidget>("ListBox1")->count(), 0);
        QCOMPARE(Program.Find<QLineEdit>("Edit6")->text(),
                 QString::fromUtf8(DefaultMacro.data(), qsizetype(DefaultMacro.size())));
        QCOMPARE(Program.Find<QLabel>("Panel25")->text(), QStringLiteral("0 / 0"));
        QCOMPARE(Program.Find<TPanel>("Panel23")->Caption(), QStringLiteral("Normal Scan - &U"));
        // the help column starts collapsed
        QCOMPARE(Program.Find<TPanel>("Panel2")->width(), 25);
        QCOMPARE(Program.Find<QToolButton>("SpeedButton1")->text(), QStringLiteral("&>"));
        QVERIFY(Program.Find<QLabel>("Label13")->isHidden());
        QVERIFY(Program.Find<TPanel>("Panel4")->Caption().isEmpty());
        QCOMPARE(Program.Find<QToolButton>("SpeedButton1")->toolTip(),
                 QStringLiteral("Show Extended Info"));
        for (QCheckBox* check : Program.FieldChecks()) {
            QVERIFY(check->isChecked());
        }
        QCOMPARE(Program.Find<QComboBox>("Genre_CB")->count(), 0);
        QVERIFY(Program.Find<QComboBox>("TitleEdit")->currentText().isEmpty());
        QCOMPARE(Program.RecentItem(0)->text(), QStringLiteral("..none.."));
        QCOMPARE(Program.Work().Options.LowBitRate, 112);
        QCOMPARE(Program.Work().Options.HighBitRate, 160);
        QVERIFY(!Program.Work().Options.WarningBitRate);
        QVERIFY(!Program.Find<QCheckBox>("All_CB")->isChecked());
        QVERIFY(Program.Find<QCheckBox>("CheckBox1")->isChecked());
        QVERIFY(Program.Find<QToolButton>("Open_SB")->toolTip() == QStringLiteral("... Open ..."));
        QCOMPARE(
            Program.Find<QListWidget>("ListBox1")->toolTip(),
            QStringLiteral("... RightClick to set path ...\n...     DblClick to Run      ..."));
        // nothing is scanned at start, whatever folder was used last
        QVERIFY(Program.Prompts.FolderRequests.isEmpty());
    }

    void HelpColumnExpandsAndCollapses()
    {
        Program.Start();
        Program.Find<QToolButton>("SpeedButton1")->click();
        QCOMPARE(Program.Find<TPanel>("Panel2")->width(), 105);
        QCOMPARE(Program.Find<QToolButton>("SpeedButton1")->toolTip(),
                 QStringLiteral("Hide Extended Info"));
        QCOMPARE(Program.Find<TPanel>("Panel4")->Caption(), QStringLiteral("Show H&int"));
        QVERIFY(!Program.Find<QLabel>("Label13")->isHidden());
        QCOMPARE(Program.Find<QLabel>("Label16")->text(), QStringLiteral("Tag ID:"));
        Program.Find<QToolButton>("SpeedButton1")->click();
        QCOMPARE(Program.Find<TPanel>("Panel2")->width(), 25);
    }

    void WindowNeverSmallerThanItsMinimum()
    {
        Program.Start();
        Program.Main->resize(500, 400);
        QCOMPARE(Program.Main->width(), 600);
        QCOMPARE(Program.Main->height(), 530);
    }

    void FirstExitStoresTheDefaults()
    {
        Program.Start();
        Program.Stop();
        QCOMPARE(TSettingsBatch().ReadString(LastPathKey), QString());
        QCOMPARE(TSettingsBatch().ReadString(LastMacrosKey),
                 QString::fromUtf8(DefaultMacro.data(), qsizetype(DefaultMacro.size())));
        QCOMPARE(TSettingsBatch().ReadString(LimitTo64Key), QStringLiteral("0"));
        QCOMPARE(TSettingsBatch().ReadString(LowBitRateKey), QStringLiteral("112"));
        QCOMPARE(TSettingsBatch().ReadString(HighBitRateKey), QStringLiteral("160"));
        QCOMPARE(TSettingsBatch().ReadString(EnabledFieldKey(6)), QStringLiteral("0"));
        QCOMPARE(TSettingsBatch().ReadString(RecentPathKey(0)), QStringLiteral("..none.."));
        QCOMPARE(TSettingsBatch().ReadString(RecentPathKey(9)), QStringLiteral("..none.."));
        QVERIFY(TSettingsBatch().ReadString(PlacementKey(PlacementSections[0], PlacementWidth)) !=
                QLatin1String(RegNone));
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

    void StoredValuesAreReadAtTheNextStart()
    {
        TSettingsBatch().WriteString(LastMacrosKey, "%t%");
        TSettingsBatch().WriteString(LimitTo64Key, "1");
        TSettingsBatch().WriteString(AutoTrimSpacesKey, "1");
        TSettingsBatch().WriteString(WarningBitRateKey, "1");
        TSettingsBatch().WriteString(LowBitRateKey, "0x70");
        TSettingsBatch().WriteString(HighBitRateKey, "-1");
        TSettingsBatch().WriteString(ExcludeIfWarningKey, "1");
        TSettingsBatch().WriteString(EnabledFieldKey(1), "1");
        TSettingsBatch().WriteString(RecentPathKey(0), "/music/a");
        TSettingsBatch().WriteString(RecentPathKey(1), "/music/b");
        TTempDir last;
        const QString lastFolder = QString::fromStdString(last.Path().string());
        TSettingsBatch().WriteString(LastPathKey, lastFolder);
        Program.Start();
        QCOMPARE(Program.Find<QLineEdit>("Edit6")->text(), QStringLiteral("%t%"));
        QVERIFY(Program.Work().Options.LimitTo64);
        QVERIFY(Program.Work().Options.AutoTrimSpaces);
        QVERIFY(Program.Work().Options.WarningBitRate);
        QVERIFY(Program.Work().Options.ExcludeIfWarning);
        QCOMPARE(Program.Work().Options.LowBitRate, 112);
        QCOMPARE(Program.Work().Options.HighBitRate, 160);
        const std::array<bool, 7> enabled{false, true, false, false, false, false, false};
        QVERIFY(Program.Work().Fields.EnabledFields == enabled);
        QCOMPARE(Program.RecentItem(0)->text(), QStringLiteral("/music/a"));
        QCOMPARE(Program.RecentItem(1)->text(), QStringLiteral("/music/b"));
        QCOMPARE(Program.RecentItem(2)->text(), QStringLiteral("..none.."));
        // the list stays empty; the last folder only preselects the picker
        QCOMPARE(Program.Find<QListWidget>("ListBox1")->count(), 0);
        Program.Find<QToolButton>("Open_SB")->click();
        QCOMPARE(Program.Prompts.FolderRequests.size(), 1);
        QCOMPARE(Program.Prompts.FolderRequests[0].Start, lastFolder);
        QCOMPARE(Program.Prompts.FolderRequests[0].Title,
                 QStringLiteral("Select Path to MP3 Files to Process ..."));
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
        T_MainForm* main = Program.Main;
        QCOMPARE(Program.Find<QLineEdit>("Edit6")->text(), QStringLiteral("%a% - %t%"));
        QCOMPARE(Program.Work().Options.HighBitRate, 320);
        QVERIFY(Program.Work().Fields.EnabledFields[6]);
        QCOMPARE(Program.RecentItem(0)->text(), QString::fromStdString(music.Path().string()));
        QCOMPARE(TSettingsBatch().ReadString(LastPathKey),
                 QString::fromStdString(music.Path().string()));
        QCOMPARE(Program.Find<QListWidget>("ListBox1")->count(), 0);
        QCOMPARE(main->size(), QSize(700, 560));
        // scan mode and help column are not stored
        QVERIFY(!Program.Work().RecursiveScan);
        QCOMPARE(Program.Find<TPanel>("Panel2")->width(), 25);
    }

private:
    TMainWindowHarness Program;
};

QTEST_MAIN(TMainFormStartTest)
#include "main_form_start_test.moc"
