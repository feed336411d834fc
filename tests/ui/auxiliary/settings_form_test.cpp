#include "engine/code_page.h"
#include "ui/auxiliary/settings_form.h"
#include "ui/main/main_window_harness.h"

#include <QtTest>

// The settings window: what it shows, what reaches the main window and when, and the code page
// of the tags.
class TSettingsFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ClearSettingsStore();
        Program.Start();
    }
    void cleanup() { Program.Stop(); }

    void FirstShowHasTheDefaultsAndClearsRecentFoldersOnYes()
    {
        ShowSettings();
        const char* boxes[] = {"Title_CB",   "Artist_CB", "Album_CB", "Year_CB",
                               "Comment_CB", "Genre_CB",  "Track_CB"};
        for (const char* box : boxes) {
            QVERIFY2(Box(box)->isChecked(), box);
            QVERIFY2(Box(box)->text().endsWith("[disabled]"), box);
        }
        QVERIFY(!List("LowerBitRate")->isEnabled());

        // the recent folders are cleared only on Yes
        Program.Work().RecentPaths[0] = "/music";
        Click("SpeedButton1"); // no answer: No, the default
        QCOMPARE(Program.Work().RecentPaths[0], std::string("/music"));
        Program.Prompts.AnswerConfirm(true);
        Click("SpeedButton1");
        QCOMPARE(Program.Work().RecentPaths[0], std::string("..none.."));
        QCOMPARE(Program.RecentItem(0)->text(), QStringLiteral("..none.."));
    }

    void ChangesReachTheMainWindowAndSurviveARestart()
    {
        ShowSettings();
        Box("Artist_CB")->setChecked(false); // at once
        Box("Title_CB")->setChecked(false);  // only on OK
        Box("LimitTo64_CB")->setChecked(true);
        QCOMPARE(Box("Artist_CB")->text(), QStringLiteral("&Artist"));
        QVERIFY(Program.Work().Fields.EnabledFields[1]);
        QVERIFY(!Program.Work().Fields.EnabledFields[0]);
        QVERIFY(Program.Work().Options.LimitTo64);
        Click("Cancel_SB");
        QVERIFY(Settings()->isHidden());
        QVERIFY(Program.Work().Options.LimitTo64);
        QVERIFY(!Program.Work().Fields.EnabledFields[0]);

        ShowSettings();
        QVERIFY(Box("Title_CB")->isChecked()); // read again from the main window
        Box("Title_CB")->setChecked(false);
        Box("WarningBitRate_CB")->setChecked(true);
        Box("ExcludeFiles_CB")->setChecked(true);
        List("LowerBitRate")->setCurrentText("320"); // above the upper bound: accepted
        Click("OK_SB");
        const TWorkspace& work = Program.Work();
        QVERIFY(work.Fields.EnabledFields[0]);
        QVERIFY(work.Options.WarningBitRate && work.Options.ExcludeIfWarning);
        QCOMPARE(work.Options.LowBitRate, 320);

        Program.Stop();
        Program.Start();
        ShowSettings();
        QVERIFY(!Box("Title_CB")->isChecked() && !Box("Artist_CB")->isChecked());
        QVERIFY(Box("LimitTo64_CB")->isChecked());
        QVERIFY(List("LowerBitRate")->isEnabled());
        QCOMPARE(List("LowerBitRate")->currentText(), QStringLiteral("320"));
    }

    void BoundOutsideTheListIsKeptByOk()
    {
        Program.Stop();
        TSettingsBatch().WriteInteger(LowBitRateKey, 100);
        Program.Start();
        ShowSettings();
        QCOMPARE(List("LowerBitRate")->currentIndex(), -1);
        Click("OK_SB");
        QCOMPARE(Program.Work().Options.LowBitRate, 100);
        QCOMPARE(Program.Work().Options.HighBitRate, 160);
    }

    void TagsAreShownInTheChosenCodePage()
    {
        TTempDir music;
        const std::string song = music / "a.mp3";
        WriteBytes(song, Mp3At(128, MakeTrailer("\xC6\xE8\xE7\xED\xFC")));
        std::string bytes = ReadBytes(song);
        Program.Open(music.Path().string());
        Program.ClickRow(0);
        const QString western = QString::fromUtf8("\xC3\x86\xC3\xA8\xC3\xA7\xC3\xAD\xC3\xBC");
        const QString cyrillic = QString::fromUtf8("\xD0\x96\xD0\xB8\xD0\xB7\xD0\xBD\xD1\x8C");
        QCOMPARE(Title(), western);

        ChooseCodePage("WINDOWS-1251");
        QCOMPARE(Title(), western); // nothing changes before OK
        Click("OK_SB");
        QCOMPARE(Title(), cyrillic);
        // and so is a write: four letters of the title, each one byte of Windows-1251
        Program.Find<QComboBox>("TitleEdit")->setEditText(cyrillic.left(4));
        Program.Find<QToolButton>("Write_Tag_SB")->click();
        bytes = ReadBytes(song);
        QCOMPARE(bytes.substr(bytes.size() - 125, 5), std::string("\xC6\xE8\xE7\xED\0", 5));

        Program.Stop(); // stored with the main window's settings
        QCOMPARE(TSettingsBatch().ReadString(TagCodePageKey), QStringLiteral("WINDOWS-1251"));
        Program.Start();
        QCOMPARE(Program.Work().Options.TagCodePage.Name, "WINDOWS-1251");
        Program.Open(music.Path().string());
        Program.ClickRow(0);
        QCOMPARE(Title(), cyrillic.left(4));
        ChooseCodePage("WINDOWS-1252");
        Click("OK_SB");
        QCOMPARE(Title(), western.left(4));
        QCOMPARE(ReadBytes(song), bytes); // reading rewrites nothing

        Program.Stop();
        TSettingsBatch().WriteString(TagCodePageKey, "UTF-16"); // not a single-byte code page
        Program.Start();
        QCOMPARE(Program.Work().Options.TagCodePage.Name, DefaultTagCodePage.Name);
    }

private:
    T_SettingsForm* Settings() const { return Program.Windows().SettingsForm; }
    QCheckBox* Box(const char* name) const { return Settings()->findChild<QCheckBox*>(name); }
    QComboBox* List(const char* name) const { return Settings()->findChild<QComboBox*>(name); }
    void Click(const char* name) const { Settings()->findChild<QToolButton*>(name)->click(); }
    void ShowSettings() const { Program.Find<QToolButton>("Settings_SB")->click(); }
    QString Title() const { return Program.Find<QComboBox>("TitleEdit")->currentText(); }
    void ChooseCodePage(const char* name) const
    {
        ShowSettings();
        List("CodePage_CB")->setCurrentIndex(List("CodePage_CB")->findData(QString(name)));
    }

    TMainWindowHarness Program;
};

QTEST_MAIN(TSettingsFormTest)
#include "settings_form_test.moc"
