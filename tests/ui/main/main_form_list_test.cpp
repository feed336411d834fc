#include "ui/components/panel.h"
#include "ui/main/main_window_harness.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QTimer>
#include <QtTest>

#include <filesystem>

// Opening a folder and filling the list: order, recursion, odd names, and clicks during a scan.
class TMainFormListTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ClearSettingsStore();
        Program.Start();
    }
    void cleanup() { Program.Stop(); }

    void NormalScanListsTheFolderSorted()
    {
        TTempDir music;
        for (const char* name : {"b.mp3", "A.mp3", "c.MP3", "a.mp3", "notes.txt", "sub/d.mp3"}) {
            WriteBytes(music / name, Mp3At(128));
        }
        Program.Open(music.Path().string());
        QCOMPARE(Program.Listed(), QStringList({"A.mp3", "a.mp3", "b.mp3", "c.MP3"}));
        QCOMPARE(Program.Find<QLabel>("Panel25")->text(), QStringLiteral("0 / 4"));
        QCOMPARE(Program.Main->CurrentFileName(), std::string()); // nothing selected after a scan

        // a cancelled picker changes nothing, from the button or the popup menu
        Program.Prompts.CancelFolder();
        Program.Find<QToolButton>("Open_SB")->click();
        Program.Prompts.CancelFolder();
        Program.Find<QAction>("Open1")->trigger();
        QCOMPARE(Program.Listed().size(), 4);
        QCOMPARE(Program.Work().CurrentFolder, music.Path().string());
        QCOMPARE(Program.RecentItem(1)->text(), QStringLiteral("..none.."));
    }

    void RecursiveScanGoesDepthFirst()
    {
        TTempDir music;
        for (const char* name :
             {"top.mp3", "b/song.mp3", "a/song.mp3", "a/deeper/x.mp3", "a/z.mp3"}) {
            WriteBytes(music / name, Mp3At(128));
        }
        Program.Open(music.Path().string());
        QCOMPARE(Program.Listed(), QStringList({"top.mp3"}));

        T_MainForm* main = Program.Main;
        Program.Find<TPanel>("Panel231")->Clicked(); // rescans the open folder in recursive mode
        QVERIFY(Program.Work().RecursiveScan);
        QTRY_COMPARE(Program.Find<TPanel>("Panel23")->Caption(), QStringLiteral("Rec&ursive Scan"));
        QCOMPARE(Program.Listed(),
                 QStringList({"top.mp3", "song.mp3", "z.mp3", "x.mp3", "song.mp3"}));
        // equal names in different folders stay distinct files
        QCOMPARE(Program.Work().Files[1].Folder, music / "a/");
        QCOMPARE(Program.Work().Files[4].Folder, music / "b/");
        Program.ClickRow(1);
        QCOMPARE(main->CurrentFileName(), music / "a/song.mp3");
        Program.ClickRow(4);
        QCOMPARE(main->CurrentFileName(), music / "b/song.mp3");
        QCOMPARE(Program.Find<QLabel>("Panel25")->text(), QStringLiteral("1 / 5"));

        Program.Find<TPanel>("Panel26")->Clicked(); // the mode bar toggles back
        QVERIFY(!Program.Work().RecursiveScan);
        QTRY_COMPARE(Program.Find<TPanel>("Panel23")->Caption(),
                     QStringLiteral("Normal Scan - &U"));
        QCOMPARE(Program.Listed(), QStringList({"top.mp3"}));
    }

    void OddNamesAreListedAndRead()
    {
        TTempDir music;
        const std::string latin1 = "caf\xE9 & co.mp3"; // not UTF-8
        WriteBytes(music / latin1, Mp3At(128, MakeTrailer("Odd One")));
        WriteBytes(music / "  spaced  .mp3", Mp3At(128));
        Program.Open(music.Path().string());
        QCOMPARE(Program.Find<QListWidget>("ListBox1")->count(), 2);
        QCOMPARE(Program.Work().Files[1].Name, latin1);
        Program.ClickRow(1);
        QCOMPARE(Program.Main->CurrentFileName(), music / latin1);
        QCOMPARE(Program.Find<QComboBox>("TitleEdit")->currentText(), QStringLiteral("Odd One"));
        QListWidget* list = Program.Find<QListWidget>("ListBox1");
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualItemRect(list->item(1)).center());
        // the address names the very bytes of the file
        QCOMPARE(Program.Prompts.OpenedUrls.size(), 1);
        QVERIFY(Program.Prompts.OpenedUrls[0].startsWith(QLatin1String("file:")));
        QVERIFY(Program.Prompts.OpenedUrls[0].endsWith(QLatin1String("caf%E9%20%26%20co.mp3")));
    }

    void VanishedFolderAndFileDoNotCrash()
    {
        auto music = std::make_unique<TTempDir>();
        WriteBytes(*music / "a.mp3", Mp3At(128));
        WriteBytes(*music / "b.mp3", Mp3At(128));
        const std::string folder = music->Path().string();
        Program.Open(folder);
        QCOMPARE(Program.Find<QListWidget>("ListBox1")->count(), 2);

        std::filesystem::remove(*music / "b.mp3");
        Program.ClickRow(1); // a file gone since the scan shows what the analysis reports
        QCOMPARE(Program.Main->CurrentFileName(), *music / "b.mp3");

        music.reset();
        Program.Find<TPanel>("Panel231")->Clicked(); // rescans a folder that is gone
        QCOMPARE(Program.Find<QListWidget>("ListBox1")->count(), 0);
        QCOMPARE(Program.Find<QLabel>("Panel25")->text(), QStringLiteral("0 / 0"));
        Program.Open(folder);
        QCOMPARE(Program.Find<QListWidget>("ListBox1")->count(), 0);
    }

    void FolderVanishingDuringAScan()
    {
        auto music = std::make_unique<TTempDir>();
        for (int folder = 0; folder < 40; ++folder) {
            MakeManyFiles(*music / ("d" + std::to_string(100 + folder)), 80);
        }
        T_MainForm* main = Program.Main;
        SlowScans();
        Program.Find<TPanel>("Panel231")->Clicked(); // recursive
        bool removedDuringScan = false;
        QTimer::singleShot(0, main, [&] {
            removedDuringScan = Program.Scanning();
            music.reset();
        });
        Program.Open(music->Path().string());
        QVERIFY(removedDuringScan);
        QListWidget* list = Program.Find<QListWidget>("ListBox1");
        QVERIFY(list->count() < 3200);
        QCOMPARE(Program.Work().Files.Size(), std::size_t(list->count()));
        if (list->count() > 0) {
            list->setCurrentRow(0); // a file that is gone
            QCOMPARE(Program.Find<QLabel>("Panel25")->text(),
                     QStringLiteral("1 / %1").arg(list->count()));
        }
    }

    void ClicksDuringAScanDoNotStartAnother()
    {
        TTempDir music;
        MakeManyFiles(music.Path(), 1500);
        TTempDir other;
        WriteBytes(other / "other.mp3", Mp3At(128));
        SlowScans();
        int deliveredDuringScan = 0;
        bool openEnabledDuringScan = true;
        QTimer::singleShot(0, Program.Main, [&] {
            deliveredDuringScan += Program.Scanning() ? 1 : 0;
            openEnabledDuringScan = Program.Find<QToolButton>("Open_SB")->isEnabled();
            Program.Prompts.AnswerFolder(QString::fromStdString(other.Path().string()));
            Program.Find<QToolButton>("Open_SB")->click();
            Program.Find<TPanel>("Panel231")->Clicked();
            if (Program.Find<QListWidget>("ListBox1")->count() > 0) {
                Program.ClickRow(0);
            }
        });
        Program.Open(music.Path().string());
        QCOMPARE(deliveredDuringScan, 1);
        QVERIFY(!openEnabledDuringScan);
        QVERIFY(Program.Find<QToolButton>("Open_SB")->isEnabled());
        QCOMPARE(Program.Find<QListWidget>("ListBox1")->count(), 1500);
        QVERIFY(!Program.Work().RecursiveScan);
        QCOMPARE(Program.Prompts.FolderRequests.size(), 1);
        QCOMPARE(Program.Work().CurrentFolder, music.Path().string());
    }

    void ClosingDuringAScanWaitsForItsEnd()
    {
        TTempDir music;
        MakeManyFiles(music.Path(), 1500);
        SlowScans();
        bool closed = false;
        connect(Program.Main, &T_MainForm::Closed, this, [&] { closed = true; });
        QTimer::singleShot(0, Program.Main, [&] { Program.Main->close(); });
        Program.Open(music.Path().string());
        QVERIFY(closed);
        QVERIFY(!Program.Main->isVisible());
        QVERIFY(Program.Find<QListWidget>("ListBox1")->count() < 1500);
        QCOMPARE(TSettingsBatch().ReadString(LastPathKey),
                 QString::fromStdString(music.Path().string()));
    }

private:
    // a bit-rate check on every file, slow enough to process events during the scan
    void SlowScans()
    {
        Program.Work().Options.WarningBitRate = true;
        Program.Work().Options.LowBitRate = 0;
    }
    static void MakeManyFiles(const std::filesystem::path& folder, int count)
    {
        const std::string bytes = Mp3At(128);
        for (int i = 0; i < count; ++i) {
            WriteBytes(folder / ("f" + std::to_string(10000 + i) + ".mp3"), bytes);
        }
    }

    TMainWindowHarness Program;
};

QTEST_MAIN(TMainFormListTest)
#include "main_form_list_test.moc"
