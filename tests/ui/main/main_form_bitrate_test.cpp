#include "ui/auxiliary/error_form.h"
#include "ui/components/panel.h"
#include "ui/main/main_window_harness.h"

#include <QtTest>

// Bit-rate warnings while a folder is listed, and how they reach the error window.
class TMainFormBitRateTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ClearSettingsStore();
        WriteBytes(Music / "a 96.mp3", Mp3At(96));
        WriteBytes(Music / "b 112.mp3", Mp3At(112));
        WriteBytes(Music / "c 128.mp3", Mp3At(128));
        WriteBytes(Music / "d 160.mp3", Mp3At(160));
        WriteBytes(Music / "e 192.mp3", Mp3At(192));
        WriteBytes(Music / "f broken.mp3", std::string(600, 'x'));
        TSettingsBatch().WriteString(WarningBitRateKey, "1");
        Program.Start();
        Errors = Program.Windows().ErrorForm;
    }
    void cleanup() { Program.Stop(); }

    // The options the scan reads: the check, the exclusion and the band.
    void OptionsDecideWhatIsListedAndWarned()
    {
        struct TCase
        {
            bool Warning, Exclude;
            int Low, High;
            QStringList Listed;
            QStringList Warned;
        };
        const QStringList all{"a 96.mp3",  "b 112.mp3", "c 128.mp3",
                              "d 160.mp3", "e 192.mp3", "f broken.mp3"};
        const TCase cases[] = {
            {false, true, 112, 160, all, {}},
            {true, true, 112, 160, {"b 112.mp3", "c 128.mp3", "d 160.mp3"}, {}},
            {true, false, 0, 128, all, {"d 160.mp3", "e 192.mp3"}},
        };
        for (const TCase& c : cases) {
            Program.Work().Options.WarningBitRate = c.Warning;
            Program.Work().Options.ExcludeIfWarning = c.Exclude;
            Program.Work().Options.LowBitRate = c.Low;
            Program.Work().Options.HighBitRate = c.High;
            Program.Work().BitRateErrorFiles.clear();
            Program.Open(Music.Path().string());
            QCOMPARE(Program.Listed(), c.Listed);
            QStringList warned;
            for (const std::string& path : Program.Work().BitRateErrorFiles) {
                warned << QString::fromStdString(path.substr(path.rfind('/') + 1));
            }
            QCOMPARE(warned, c.Warned);
            QCOMPARE(Program.Work().BitRateErrorsFound, !c.Warned.isEmpty());
            QCOMPARE(Errors->isVisible(), !c.Warned.isEmpty());
        }
    }

    // One folder walked through the life of its warnings: listed, counted again by a second scan,
    // started afresh by the scan-mode toggle, and cleared from the notice or the error window.
    void WarningsReachTheErrorWindowUntilCleared()
    {
        Program.Open(Music.Path().string());
        QCOMPARE(Program.Find<QListWidget>("ListBox1")->count(), 6);
        QVERIFY(Program.Work().BitRateErrorsFound);
        QCOMPARE(Program.Work().BitRateErrorFiles,
                 std::vector<std::string>(
                     {Music / "a 96.mp3", Music / "e 192.mp3", Music / "f broken.mp3"}));
        QCOMPARE(Errors->Lines().size(), 12);
        QCOMPARE(Errors->Lines().last(), QStringLiteral(" BitRate : 0"));
        // the folder is done: the caption with one space, and the window shows
        QCOMPARE(Errors->windowTitle(), QStringLiteral("Errors Found (BitRate Warning) : 3"));
        QVERIFY(Errors->isVisible());
        auto* notice = Program.Find<TPanel>("ErrorPanel");
        QCOMPARE(notice->Caption(), QStringLiteral("Errors Found in \"BitRate\" !"));

        Program.Open(Music.Path().string()); // warnings of earlier scans still count
        QCOMPARE(Program.Work().BitRateErrorFiles.size(), std::size_t(6));
        QCOMPARE(Errors->windowTitle(), QStringLiteral("Errors Found (BitRate Warning) : 6"));
        Program.Find<TPanel>("Panel231")->Clicked(); // the scan-mode toggle starts afresh
        QCOMPARE(Program.Work().BitRateErrorFiles.size(), std::size_t(3));
        QCOMPARE(Errors->Lines().size(), 12);
        QCOMPARE(Errors->windowTitle(), QStringLiteral("Errors Found (BitRate Warning) : 3"));

        QTest::mouseClick(notice, Qt::LeftButton);
        QVERIFY(!notice->Caption().isEmpty());
        QTest::mouseClick(notice, Qt::RightButton);
        QVERIFY(notice->Caption().isEmpty());
        QVERIFY(!Program.Work().BitRateErrorsFound);
        QVERIFY(Errors->Lines().isEmpty());
        QCOMPARE(Errors->windowTitle(), QStringLiteral("Errors Found ..."));
        // only the scan-mode toggle forgets the files
        QCOMPARE(Program.Work().BitRateErrorFiles.size(), std::size_t(3));

        Program.Open(Music.Path().string()); // the error window's Clear resets the notice too
        QVERIFY(!notice->Caption().isEmpty());
        Errors->SpeedButton2Click();
        QVERIFY(notice->Caption().isEmpty());
        QVERIFY(!Program.Work().BitRateErrorsFound);
    }

private:
    TTempDir Music;
    TMainWindowHarness Program;
    T_ErrorForm* Errors = nullptr;
};

QTEST_MAIN(TMainFormBitRateTest)
#include "main_form_bitrate_test.moc"
