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
        T_MainForm* main = Program.Main;
        QCOMPARE(main->Panel25->text(), QStringLiteral("0 / 4"));
        QCOMPARE(main->CurrentFolder, music.Path().string());
        QCOMPARE(main->FileNames.size(), std::size_t(4));
        QCOMPARE(main->FileDirs[2], music.Path().string() + "/");
        QCOMPARE(main->FoundFiles[2], music / "b.mp3");
        QCOMPARE(main->FileDirs[2] + main->FileNames[2], main->FoundFiles[2]);
        // nothing is selected after a scan
        QCOMPARE(main->CurrentFileName(), std::string());
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
        main->Panel231->Clicked(); // rescans the open folder in recursive mode
        QVERIFY(main->RecursiveScan);
        QVERIFY(main->Recursive_CB->isChecked());
        QCOMPARE(Program.Listed(),
                 QStringList({"top.mp3", "song.mp3", "z.mp3", "x.mp3", "song.mp3"}));
        // equal names in different folders stay distinct files
        QCOMPARE(main->FileDirs[1], music / "a/");
        QCOMPARE(main->FileDirs[4], music / "b/");
        Program.ClickRow(1);
        QCOMPARE(main->CurrentFileName(), music / "a/song.mp3");
        Program.ClickRow(4);
        QCOMPARE(main->CurrentFileName(), music / "b/song.mp3");
        QCOMPARE(main->Panel25->text(), QStringLiteral("1 / 5"));

        main->Panel23->Clicked();
        QVERIFY(!main->RecursiveScan);
        QCOMPARE(Program.Listed(), QStringList({"top.mp3"}));
    }

    void ScanModeCaptionFollowsTheMode()
    {
        T_MainForm* main = Program.Main;
        TTempDir music;
        Program.Open(music.Path().string());
        main->Panel26->Clicked();
        QTRY_COMPARE(main->Panel23->Caption(), QStringLiteral("Rec&ursive Scan"));
        main->Panel26->Clicked();
        QTRY_COMPARE(main->Panel23->Caption(), QStringLiteral("Normal Scan - &U"));
    }

    void CancelledPickerChangesNothing()
    {
        TTempDir music;
        WriteBytes(music / "a.mp3", Mp3At(128));
        Program.Open(music.Path().string());
        Program.Prompts.CancelFolder();
        Program.Main->Open_SB->click();
        Program.Prompts.CancelFolder();
        Program.Main->Open1->trigger();
        QCOMPARE(Program.Listed(), QStringList({"a.mp3"}));
        QCOMPARE(Program.Main->CurrentFolder, music.Path().string());
        QCOMPARE(Program.Main->RecentItems[1]->text(), QStringLiteral("..none.."));
    }

    void OddNamesAreListedAndRead()
    {
        TTempDir music;
        const std::string latin1 = "caf\xE9 & co.mp3"; // not UTF-8
        WriteBytes(music / latin1, Mp3At(128, MakeTrailer("Odd One")));
        WriteBytes(music / "  spaced  .mp3", Mp3At(128));
        Program.Open(music.Path().string());
        QCOMPARE(Program.Main->ListBox1->count(), 2);
        QCOMPARE(Program.Main->FileNames[1], latin1);
        Program.ClickRow(1);
        QCOMPARE(Program.Main->CurrentFileName(), music / latin1);
        QCOMPARE(Program.Main->TitleEdit->currentText(), QStringLiteral("Odd One"));
        QTest::mouseDClick(
            Program.Main->ListBox1->viewport(), Qt::LeftButton, {},
            Program.Main->ListBox1->visualItemRect(Program.Main->ListBox1->item(1)).center());
        QCOMPARE(Program.Prompts.OpenedUrls.size(), 1);
        // the address names the very bytes of the file
        const QUrl url(Program.Prompts.OpenedUrls[0]);
        QCOMPARE(url.toLocalFile().isEmpty(), false);
        QVERIFY(Program.Prompts.OpenedUrls[0].endsWith(QLatin1String("caf%E9%20%26%20co.mp3")));
    }

    void VanishedFolderAndFileDoNotCrash()
    {
        auto music = std::make_unique<TTempDir>();
        WriteBytes(*music / "a.mp3", Mp3At(128));
        WriteBytes(*music / "b.mp3", Mp3At(128));
        const std::string folder = music->Path().string();
        Program.Open(folder);
        QCOMPARE(Program.Main->ListBox1->count(), 2);

        std::filesystem::remove(*music / "b.mp3");
        Program.ClickRow(1); // a file gone since the scan shows what the analysis reports
        QCOMPARE(Program.Main->CurrentFileName(), *music / "b.mp3");

        music.reset();
        Program.Main->Panel231->Clicked(); // rescans a folder that is gone
        QCOMPARE(Program.Main->ListBox1->count(), 0);
        QCOMPARE(Program.Main->Panel25->text(), QStringLiteral("0 / 0"));
        Program.Open(folder);
        QCOMPARE(Program.Main->ListBox1->count(), 0);
    }

    void FolderVanishingDuringAScan()
    {
        auto music = std::make_unique<TTempDir>();
        const std::string bytes = Mp3At(128);
        for (int folder = 0; folder < 40; ++folder) {
            for (int i = 0; i < 80; ++i) {
                WriteBytes(*music / ("d" + std::to_string(100 + folder) + "/f" + std::to_string(i) +
                                     ".mp3"),
                           bytes);
            }
        }
        T_MainForm* main = Program.Main;
        main->Options.WarningBitRate = true; // slow enough to process events meanwhile
        main->Options.LowBitRate = 0;
        main->Panel231->Clicked(); // recursive
        bool removedDuringScan = false;
        QTimer::singleShot(0, main, [&] {
            removedDuringScan = main->Scanning();
            music.reset();
        });
        Program.Open(music->Path().string());
        QVERIFY(removedDuringScan);
        QVERIFY(main->ListBox1->count() < 3200);
        QCOMPARE(main->FileNames.size(), std::size_t(main->ListBox1->count()));
        QCOMPARE(main->Panel25->text(), QStringLiteral("0 / %1").arg(main->ListBox1->count()));
        if (main->ListBox1->count() > 0) {
            main->ListBox1->setCurrentRow(0); // a file that is gone
            QCOMPARE(main->Panel25->text(), QStringLiteral("1 / %1").arg(main->ListBox1->count()));
        }
    }

    void ClicksDuringAScanDoNotStartAnother()
    {
        TTempDir music;
        MakeManyFiles(music, 1500);
        TTempDir other;
        WriteBytes(other / "other.mp3", Mp3At(128));
        Program.Main->Options.WarningBitRate = true; // slow enough to process events meanwhile
        Program.Main->Options.LowBitRate = 0;
        int deliveredDuringScan = 0;
        QTimer::singleShot(0, Program.Main, [&] {
            deliveredDuringScan += Program.Main->Scanning() ? 1 : 0;
            Program.Prompts.AnswerFolder(QString::fromStdString(other.Path().string()));
            Program.Main->Open_SB->click();
            Program.Main->Panel231->Clicked();
            if (Program.Main->ListBox1->count() > 0) {
                Program.ClickRow(0);
            }
        });
        Program.Open(music.Path().string());
        QCOMPARE(deliveredDuringScan, 1);
        QCOMPARE(Program.Main->ListBox1->count(), 1500);
        QVERIFY(!Program.Main->RecursiveScan);
        QCOMPARE(Program.Prompts.FolderRequests.size(), 1);
        QCOMPARE(Program.Main->CurrentFolder, music.Path().string());
    }

    void ClosingDuringAScanWaitsForItsEnd()
    {
        TTempDir music;
        MakeManyFiles(music, 1500);
        Program.Main->Options.WarningBitRate = true;
        Program.Main->Options.LowBitRate = 0;
        bool closed = false;
        connect(Program.Main, &T_MainForm::Closed, this, [&] { closed = true; });
        QTimer::singleShot(0, Program.Main, [&] { Program.Main->close(); });
        Program.Open(music.Path().string());
        QVERIFY(closed);
        QVERIFY(!Program.Main->isVisible());
        QVERIFY(Program.Main->ListBox1->count() < 1500);
        QCOMPARE(TSettingsBatch().ReadString(LastPathKey),
                 QString::fromStdString(music.Path().string()));
    }

private:
    static void MakeManyFiles(const TTempDir& folder, int count)
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
