#include "ui/auxiliary/about_window.h"
#include "ui/auxiliary/error_window.h"
#include "ui/auxiliary/help_window.h"
#include "ui/auxiliary/macro_list_window.h"
#include "ui/auxiliary/settings_window.h"
#include "ui/auxiliary/shortcut_list_window.h"
#include "ui/components/locale_settings.h"
#include "ui/extract/extraction_window.h"
#include "ui/main/main_window_harness.h"
#include "workspace/options.h"

#include <QApplication>
#include <QSettings>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <filesystem>

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

void MakeManyFiles(const std::filesystem::path& folder, int count)
{
    const std::string bytes = Mp3At(128);
    for (int i = 0; i < count; ++i) {
        WriteBytes(folder / ("f" + std::to_string(10000 + i) + ".mp3"), bytes);
    }
}

} // namespace

// What the main window shows: start-up and restart, the listed folder, the selected files, the
// bit-rate warnings and the recent folders.
class TMainFormDisplayTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { ClearSettingsStore(); }
    void cleanup() { Program.Stop(); }

    void WindowsStartHiddenAndOpenModelessFromTheirButtons()
    {
        Program.Start();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY2(window == Program.Main || !window->isVisible(),
                     qPrintable(window->objectName()));
        }
        const TWindows& w = Program.Windows();
        const std::pair<const char*, QWidget*> buttons[] = {
            {"SettingsButton", w.SettingsWindow}, {"KeysButton", w.ShortcutListWindow},
            {"ErrorsButton", w.ErrorWindow},      {"MacroHelpButton", w.HelpWindow},
            {"AboutButton", w.AboutWindow},       {"MacroListButton", w.MacroListWindow}};
        for (const auto& [name, window] : buttons) {
            Program.Find<QToolButton>(name)->click();
            QVERIFY2(window->isVisible() && !window->isModal(), name);
            // a close request hides the window and keeps it
            QVERIFY2(!window->close() && !window->isVisible(), name);
        }
    }

    void ClosingTheMainWindowEndsTheProgram()
    {
        Program.Start();
        Program.Find<QToolButton>("ErrorsButton")->click();
        QTimer::singleShot(0, Program.Main, [this] { Program.Main->close(); });
        // a program that keeps running without a window is ended here with another code
        QTimer::singleShot(5000, Program.Main, [] { QCoreApplication::exit(99); });
        QCOMPARE(Program.App->Run(), 0);
        QVERIFY(!static_cast<QWidget*>(Program.Windows().ErrorWindow)->isVisible());
    }

    void DefaultsAreStoredAndChoicesSurviveARestart()
    {
        Program.Start();
        const QString macro =
            QString::fromUtf8(DefaultMacro.data(), qsizetype(DefaultMacro.size()));
        QCOMPARE(Program.Text("MacroBox"), macro);
        Program.Stop();
        QCOMPARE(TSettingsBatch().ReadString(LastMacrosKey), macro);
        QVERIFY(TSettingsBatch().Value(PlacementKey(PlacementSections[0], PlacementWidth)));

        TTempDir music;
        WriteBytes(music / "a.mp3", Mp3At(128));
        Program.Start();
        Program.Open(music.Path().string());
        Program.Find<QLineEdit>("MacroBox")->setText(QStringLiteral("%a% - %t%"));
        Program.Work().Options.HighBitRate = 320;
        Program.Work().Fields.EnabledFields[6] = true;
        Program.Find<TPanel>("ScanModeBar")->Clicked(); // recursive
        Program.Main->resize(700, 560);
        Program.Stop();

        Program.Start();
        QCOMPARE(Program.Text("MacroBox"), QStringLiteral("%a% - %t%"));
        QCOMPARE(Program.Work().Options.HighBitRate, 320);
        QVERIFY(Program.Work().Fields.EnabledFields[6]);
        QCOMPARE(Program.RecentItem(0)->text(), Q(music.Path().string()));
        QCOMPARE(Program.Main->size(), QSize(700, 560));
        // scan mode and help column are not stored
        QVERIFY(!Program.Work().RecursiveScan);
        QCOMPARE(Program.Find<TPanel>("HelpColumn")->width(), 25);
        // nothing is scanned at start; the last folder only preselects the picker
        QVERIFY(Program.Listed().isEmpty());
        Program.Find<QToolButton>("OpenFolderButton")->click();
        QCOMPARE(Program.Prompts.FolderRequests.size(), 1);
        QCOMPARE(Program.Prompts.FolderRequests[0].Start, Q(music.Path().string()));
    }

    void UnreadableSettingsAreSetAsideAndToldOnce()
    {
        const QString file =
            QSettings(QSettings::NativeFormat, QSettings::UserScope, RegCompany, RegAppName)
                .fileName();
        const std::string garbage("\x01\xff[General\x00==\n\x80\x81 \"\n", 19);
        WriteBytes(file.toStdString(), garbage);
        Program.Start();
        Program.Main->hide();
        Program.Main->show();
        QCOMPARE(Program.Prompts.Messages.size(), 1);
        QVERIFY(Program.Prompts.Messages[0].Text.contains(file + ".broken"));
        QCOMPARE(ReadBytes(file.toStdString() + ".broken"), garbage);
    }

    void ListsTheFolderInEitherScanMode()
    {
        TTempDir music;
        for (const char* name : {"b.mp3", "A.mp3", "a.mp3", "notes.txt", "b/song.mp3", "a/song.mp3",
                                 "a/deeper/x.mp3", "a/z.mp3"}) {
            WriteBytes(music / name, Mp3At(128));
        }
        Program.Start();
        Program.Open(music.Path().string());
        QCOMPARE(Program.Listed(), QStringList({"A.mp3", "a.mp3", "b.mp3"}));
        QCOMPARE(Program.Text("FileCounter"), QStringLiteral("0 / 3"));
        QCOMPARE(Program.Main->CurrentFileName(), std::string()); // nothing selected after a scan

        // a cancelled picker changes nothing, from the button or the popup menu
        Program.Prompts.CancelFolder();
        Program.Find<QToolButton>("OpenFolderButton")->click();
        Program.Prompts.CancelFolder();
        Program.Find<QAction>("OpenItem")->trigger();
        QCOMPARE(Program.Listed().size(), 3);
        QCOMPARE(Program.RecentItem(1)->text(), QStringLiteral("..none.."));

        Program.Find<TPanel>("ScanModeBar")->Clicked(); // rescans the open folder in recursive mode
        QTRY_COMPARE(Program.Text("ScanModeCaption"), QStringLiteral("Rec&ursive Scan"));
        QCOMPARE(Program.Listed().mid(2),
                 QStringList({"b.mp3", "song.mp3", "z.mp3", "x.mp3", "song.mp3"}));
        Program.ClickRow(6); // equal names in different folders stay distinct files
        QCOMPARE(Program.Main->CurrentFileName(), music / "b/song.mp3");

        Program.Find<TPanel>("ScanIndicator")->Clicked(); // the mode bar toggles back
        QTRY_COMPARE(Program.Text("ScanModeCaption"), QStringLiteral("Normal Scan - &U"));
        QCOMPARE(Program.Listed().size(), 3);
    }

    void OddNamesAndVanishedFilesAndFolders()
    {
        auto music = std::make_unique<TTempDir>();
        const std::string latin1 = "caf\xE9 & co.mp3"; // not UTF-8
        WriteBytes(*music / latin1, Mp3At(128, MakeTrailer("Odd One")));
        WriteBytes(*music / "  spaced  .mp3", Mp3At(128));
        WriteBytes(*music / "z.mp3", Mp3At(128));
        const std::string folder = music->Path().string();
        Program.Start();
        Program.Open(folder);
        QCOMPARE(Program.Listed().size(), 3);
        Program.ClickRow(1);
        QCOMPARE(Program.Main->CurrentFileName(), *music / latin1);
        QCOMPARE(Program.Text("TitleBox"), QStringLiteral("Odd One"));
        QListView* list = Program.List();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualRect(Program.Row(1)).center());
        // the address names the very bytes of the file
        QCOMPARE(Program.Prompts.OpenedUrls.size(), 1);
        QVERIFY(Program.Prompts.OpenedUrls[0].startsWith(QLatin1String("file:")));
        QVERIFY(Program.Prompts.OpenedUrls[0].endsWith(QLatin1String("caf%E9%20%26%20co.mp3")));

        std::filesystem::remove(*music / "z.mp3");
        Program.ClickRow(2); // a file gone since the scan shows what the analysis reports
        QCOMPARE(Program.Main->CurrentFileName(), *music / "z.mp3");
        music.reset();
        Program.Find<TPanel>("ScanModeBar")->Clicked(); // rescans a folder that is gone
        QVERIFY(Program.Listed().isEmpty());
        QCOMPARE(Program.Text("FileCounter"), QStringLiteral("0 / 0"));
        Program.Open(folder);
        QVERIFY(Program.Listed().isEmpty());
    }

    void FolderVanishingDuringAScan()
    {
        auto music = std::make_unique<TTempDir>();
        for (int folder = 0; folder < 40; ++folder) {
            MakeManyFiles(*music / ("d" + std::to_string(100 + folder)), 80);
        }
        Program.Start();
        SlowScans();
        Program.Find<TPanel>("ScanModeBar")->Clicked(); // recursive
        bool removedDuringScan = false;
        QTimer::singleShot(0, Program.Main, [&] {
            removedDuringScan = Program.Scanning();
            music.reset();
        });
        Program.Open(music->Path().string());
        QVERIFY(removedDuringScan);
        const int listed = static_cast<int>(Program.Listed().size());
        QVERIFY(listed < 3200);
        QCOMPARE(Program.Work().Files.Size(), std::size_t(listed));
        if (listed > 0) {
            Program.List()->setCurrentIndex(Program.Row(0)); // a file that is gone
            QCOMPARE(Program.Text("FileCounter"), QStringLiteral("1 / %1").arg(listed));
        }
    }

    // Clicks during a scan start nothing else; closing during a scan waits for its end.
    void ClicksAndClosingDuringAScan()
    {
        TTempDir music;
        MakeManyFiles(music.Path(), 1500);
        TTempDir other;
        WriteBytes(other / "other.mp3", Mp3At(128));
        Program.Start();
        SlowScans();
        const auto scan = Program.WatchBusy(TActivityKind::Scanning);
        int deliveredDuringScan = 0;
        bool openEnabledDuringScan = true;
        QTimer::singleShot(0, Program.Main, [&] {
            deliveredDuringScan += Program.Scanning() ? 1 : 0;
            openEnabledDuringScan = Program.Find<QToolButton>("OpenFolderButton")->isEnabled();
            Program.Prompts.AnswerFolder(Q(other.Path().string()));
            Program.Find<QToolButton>("OpenFolderButton")->click();
            Program.Find<TPanel>("ScanModeBar")->Clicked();
            if (!Program.Listed().isEmpty()) {
                Program.ClickRow(0);
            }
        });
        Program.Open(music.Path().string());
        QCOMPARE(deliveredDuringScan, 1);
        QVERIFY(!openEnabledDuringScan &&
                Program.Find<QToolButton>("OpenFolderButton")->isEnabled());
        QVERIFY(scan->Turns > 0);
        QCOMPARE(scan->Enabled, QStringList());
        QCOMPARE(Program.EnabledCommands(), Program.BusyCommands());
        QCOMPARE(Program.Listed().size(), 1500);
        QVERIFY(!Program.Work().RecursiveScan);
        QCOMPARE(Program.Prompts.FolderRequests.size(), 1);

        bool closed = false;
        connect(Program.Main, &TMainWindow::Closed, this, [&] { closed = true; });
        Program.Find<QToolButton>("OpenFolderButton")->click(); // the folder the refused click left
        QTimer::singleShot(0, Program.Main, [&] { Program.Main->close(); });
        Program.Open(music.Path().string());
        QVERIFY(closed && !Program.Main->isVisible());
        QVERIFY(Program.Listed().size() < 1500);
        QCOMPARE(TSettingsBatch().ReadString(LastPathKey), Q(music.Path().string()));
    }

    void SelectionDecidesWhatIsShown()
    {
        TTempDir music;
        WriteBytes(music / "a.mp3",
                   Mp3At(128, MakeTrailer("Alpha", "Ann", "First", "1999", "nice", 7, 17)));
        WriteBytes(music / "b.mp3", Mp3At(160));
        WriteBytes(music / "c.mp3",
                   Mp3At(128, MakeTrailer("Gamma", "Gil", "Third", "2004", "", 12, 12)));
        Program.Start();
        Program.Open(music.Path().string());
        const auto* status = Program.Windows().ExtractionWindow->findChild<QLabel*>("StatusPanel");
        const auto enabled = [this](const char* box) {
            return Program.Find<QWidget>(box)->isEnabled();
        };

        Program.ClickRow(0);
        QCOMPARE(Program.Main->CurrentFileName(), music / "a.mp3");
        // 3 frames of 417 bytes and a 128-byte trailer: 1379 bytes
        const std::pair<const char*, const char*> shown[] = {
            {"TitleBox", "Alpha"},          {"CommentBox", "nice"},
            {"GenreBox", "Rock"},           {"TrackBox", "07"},
            {"FileSizePanel", "1.35 Kb  "}, {"BitRatePanel", "128 KBit/s  "},
            {"FrameLengthPanel", "417  "},  {"FileCounter", "1 / 3"},
        };
        for (const auto& [name, text] : shown) {
            QCOMPARE(Program.Text(name), QString::fromUtf8(text));
        }
        QCOMPARE(status->text(), QStringLiteral("Files to process   [ 1 / 3 ]"));

        // the new name's length turns red past 64 characters
        const auto* count = Program.Find<QLabel>("NameLengthPanel");
        for (const auto& [length, colour] : {std::pair{60, Qt::black}, {61, Qt::red}}) {
            Program.Find<QLineEdit>("MacroBox")->setText(QString(length, QLatin1Char('n')));
            QCOMPARE(count->text(), QString::number(length + 4));
            QCOMPARE(count->palette().color(QPalette::WindowText), QColor(colour));
        }
        Program.Find<QLineEdit>("MacroBox")->setText(QStringLiteral("sub\\%t,t%"));
        QCOMPARE(Program.Text("MacroPreviewLabel"), QStringLiteral("sub\\Alpha"));
        QCOMPARE(count->text(), QStringLiteral("9"));
        // the "/" of a value (here the file's folder) is no folder of the new name
        Program.Find<QLineEdit>("MacroBox")->setText(QStringLiteral("%fp,t%%t,t%"));
        QVERIFY(!Program.Text("MacroPreviewLabel").contains(QLatin1Char('/')));
        QCOMPARE(count->text(), QString::number(Program.Text("MacroPreviewLabel").size() + 4));

        // the text boxes keep a history without repeats
        const auto enter = [this](const char* name, const QString& text) {
            auto* box = Program.Find<QComboBox>(name);
            box->setEditText(text);
            QTest::keyClick(box, Qt::Key_Return); // where the user's key arrives
            return box;
        };
        for (const char* text : {"Morning", "MORNING"}) {
            enter("TitleBox", QString::fromLatin1(text));
        }
        auto* title = enter("TitleBox", QStringLiteral("Evening"));
        QCOMPARE(title->count(), 2);
        QCOMPARE(title->itemText(0), QStringLiteral("Morning"));
        QCOMPARE(title->lineEdit()->selectedText(), QStringLiteral("Evening"));
        QCOMPARE(enter("GenreBox", "no such genre")->currentText(), QStringLiteral("<unknown>"));
        QCOMPARE(enter("GenreBox", "rock")->currentText().toLower(), QStringLiteral("rock"));

        // several files take the enabled fields of the settings; the user's own checks for one
        // file wait meanwhile and return with the next single file
        Program.FieldCheck(1)->setChecked(false); // as a click does: the box follows
        QVERIFY(!enabled("ArtistBox"));
        Program.ClickRow(1); // no tag: genre 255
        QVERIFY(!Program.FieldCheck(1)->isChecked() && !enabled("ArtistBox"));
        QCOMPARE(Program.Text("GenreBox"), QStringLiteral("<unknown>"));
        QCOMPARE(Program.Text("TrackBox"), QStringLiteral("00"));
        Program.Work().Fields.EnabledFields = {false, true, false, false, true, false, false};
        Program.ClickRow(2, Qt::ControlModifier);
        for (int i = 0; i < TMainWindow::FieldCount; ++i) {
            QCOMPARE(Program.FieldCheck(i)->isChecked(), Program.Work().Fields.EnabledFields[i]);
        }
        QVERIFY(!enabled("TitleBox") && enabled("ArtistBox") && !enabled("TrackBox"));
        QCOMPARE(Program.Main->CurrentFileName(), music / "c.mp3");
        QCOMPARE(Program.Text("TitleBox"), QStringLiteral("Gamma"));
        QCOMPARE(Program.Text("FileCounter"), QStringLiteral("2 / 3"));
        // moving the focus alone within the selection changes the displayed file
        Program.List()->selectionModel()->setCurrentIndex(Program.Row(1),
                                                          QItemSelectionModel::NoUpdate);
        QCOMPARE(Program.Main->CurrentFileName(), music / "b.mp3");

        Program.ClickRow(2);
        QVERIFY(!Program.FieldCheck(1)->isChecked() && !enabled("ArtistBox"));
        QVERIFY(enabled("TitleBox") && enabled("TrackBox"));
        QCOMPARE(Program.Text("GenreBox"), QStringLiteral("<unknown>")); // "Other"
        // the pointer over the list shows the current file
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Program.List()->viewport(), &move);
        QCOMPARE(Program.Text("PointedFolderPanel"), Q(music.Path().string() + "/"));
        QCOMPARE(Program.Text("PointedFilePanel"), QStringLiteral("c.mp3"));

        Program.ClickRow(2, Qt::ControlModifier); // no file selected empties the boxes
        QCOMPARE(Program.Main->CurrentFileName(), std::string());
        QCOMPARE(Program.Text("FileCounter"), QStringLiteral("0 / 3"));
        QVERIFY(Program.Text("TitleBox").isEmpty() && Program.Text("TrackBox").isEmpty());
        QCOMPARE(Program.Find<QComboBox>("GenreBox")->count(), 0);
        QCOMPARE(status->text(), QStringLiteral("No files to process   [ 0 / 3 ]"));
    }

    // With a German system locale the shipped translation is found and the captions are German.
    void CaptionsFollowAGermanLocale()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QTranslator* german = InstallTranslation(*qApp);
        QLocale::setDefault(before);
        QVERIFY(german != nullptr);
        Program.Start();
        QCOMPARE(Program.Find<QToolButton>("WriteTagButton")->text(),
                 QStringLiteral("  ID3-Tag &schreiben"));
        QCOMPARE(Program.Text("ScanModeCaption"), QStringLiteral("Normale Suche - &U"));
        QCOMPARE(Program.Text("WholePathPanel"), QStringLiteral(" Auf ganzen &Pfad anwenden ..."));
        // texts worded outside the windows: a table entry of the settings window, the error
        // window's caption counted in the batch report
        TErrorWindow* errors = Program.Windows().ErrorWindow;
        errors->ShowBitRateWarnings(3);
        QCOMPARE(errors->windowTitle(), QStringLiteral("Fehler gefunden (Bitraten-Warnung) : 3"));
        errors->hide();
        auto* title = Program.Windows().SettingsWindow->findChild<QCheckBox*>("TitleBox");
        title->click();
        QCOMPARE(title->text(), QStringLiteral("&Titel         [gesperrt]"));
        QVERIFY(MacroHelpText().contains(QStringLiteral("\nFÜLLZEICHEN\n")));
        qApp->removeTranslator(german);
        delete german;
    }

    void HoverDrawsOneCommandButtonRed()
    {
        // real pointer moves: moving off a button onto the strip around it sends the strip no
        // Enter of its own, only the button a Leave
        Program.Start();
        TMainWindow* main = Program.Main;
        QVERIFY(QTest::qWaitForWindowExposed(main));
        const auto colourOf = [](QWidget* button) {
            return button->palette().color(QPalette::ButtonText);
        };
        const auto moveTo = [main](QWidget* widget, QPoint at) {
            QTest::mouseMove(main, widget->mapTo(main, at));
        };
        auto* write = Program.Find<QToolButton>("WriteTagButton");
        auto* macro = Program.Find<QToolButton>("MacroListButton");
        moveTo(write, write->rect().center());
        QTRY_COMPARE(colourOf(write), QColor(Qt::red));
        moveTo(macro, macro->rect().center());
        QTRY_COMPARE(colourOf(macro), QColor(Qt::red));
        QCOMPARE(colourOf(write), QColor(Qt::black));
        moveTo(Program.Find<QWidget>("CommandStrip"), QPoint(1, 1)); // the strip around the buttons
        QTRY_COMPARE(colourOf(macro), QColor(Qt::black));
    }

    // "Apply To Whole Path" switched on shows its mark in the box.
    void WholePathBoxShowsItsMark()
    {
        Program.Start();
        auto* box = Program.Find<QCheckBox>("WholePathBox");
        const QImage off = box->grab().toImage();
        Program.Find<TPanel>("WholePathPanel")->Clicked();
        QVERIFY(box->isChecked());
        QVERIFY(box->grab().toImage() != off);
    }

    // One folder walked through the life of its warnings: counted again by a second scan,
    // started afresh by the scan-mode toggle, and cleared from the notice or the error window;
    // then what the scan lists and warns about by the bit-rate options.
    void BitRateWarningsReachTheErrorWindowUntilCleared()
    {
        TTempDir music;
        const QStringList all{"a 96.mp3",  "b 112.mp3", "c 128.mp3",
                              "d 160.mp3", "e 192.mp3", "f broken.mp3"};
        const int rates[] = {96, 112, 128, 160, 192};
        for (int i = 0; i < 5; ++i) {
            WriteBytes(music / all[i].toStdString(), Mp3At(rates[i]));
        }
        WriteBytes(music / "f broken.mp3", std::string(600, 'x'));
        TSettingsBatch().WriteString(WarningBitRateKey, "1");
        Program.Start();
        TErrorWindow* errors = Program.Windows().ErrorWindow;
        Program.Open(music.Path().string());
        QCOMPARE(Program.Listed(), all);
        const auto path = [&music, &all](int i) { return music / all[i].toStdString(); };
        QCOMPARE(Program.Work().BitRateErrorFiles, std::vector({path(0), path(4), path(5)}));
        QVERIFY(Program.Work().BitRateErrorsFound);
        QCOMPARE(errors->Lines().size(), 12);
        QCOMPARE(errors->windowTitle(), QStringLiteral("Errors Found (BitRate Warning) : 3"));
        QVERIFY(errors->isVisible());
        auto* notice = Program.Find<TPanel>("ErrorNotice");
        QCOMPARE(notice->Caption(), QStringLiteral("Errors Found in \"BitRate\" !"));

        Program.Open(music.Path().string()); // warnings of earlier scans still count
        QCOMPARE(errors->windowTitle(), QStringLiteral("Errors Found (BitRate Warning) : 6"));
        Program.Find<TPanel>("ScanModeBar")->Clicked(); // the scan-mode toggle starts afresh
        QCOMPARE(errors->Lines().size(), 12);
        QCOMPARE(errors->windowTitle(), QStringLiteral("Errors Found (BitRate Warning) : 3"));

        QTest::mouseClick(notice, Qt::LeftButton);
        QVERIFY(!notice->Caption().isEmpty());
        QTest::mouseClick(notice, Qt::RightButton);
        QVERIFY(notice->Caption().isEmpty() && !Program.Work().BitRateErrorsFound);
        QVERIFY(errors->Lines().isEmpty());
        QCOMPARE(errors->windowTitle(), QStringLiteral("Errors Found ..."));
        // only the scan-mode toggle forgets the files
        QCOMPARE(Program.Work().BitRateErrorFiles.size(), std::size_t(3));

        Program.Open(music.Path().string()); // the error window's Clear resets the notice too
        QVERIFY(!notice->Caption().isEmpty());
        errors->ClearClicked();
        QVERIFY(notice->Caption().isEmpty() && !Program.Work().BitRateErrorsFound);

        // a file outside the band can be left out of the list
        Program.Work().Options.ExcludeIfWarning = true;
        Program.Open(music.Path().string());
        QCOMPARE(Program.Listed(), all.mid(1, 3));
    }

    // New folders go to the top, recent ones open in place; the list's own rules (the eleventh
    // folder, case) are the recent-paths unit's.
    void RecentFolders()
    {
        TTempDir music;
        const std::string folders[] = {music / "Rock & Roll", music / "one", music / "two"};
        const auto caption = [](const std::string& folder) {
            return Q(folder).replace(QLatin1Char('&'), QLatin1String("&&"));
        };
        Program.Start();
        for (int i = 0; i < 3; ++i) {
            WriteBytes(folders[i] + "/song " + std::to_string(i) + ".mp3", Mp3At(128));
            Program.Open(folders[i]);
        }
        QStringList captions;
        for (int slot = 0; slot < 10; ++slot) {
            captions << Program.RecentItem(slot)->text();
        }
        QCOMPARE(captions.mid(0, 4), QStringList({caption(folders[2]), caption(folders[1]),
                                                  caption(folders[0]), "..none.."}));
        QCOMPARE(TSettingsBatch().ReadString(RecentPathKey(0)), Q(folders[2])); // stored at once
        Program.RecentItem(2)->trigger(); // the oldest does not move
        QCOMPARE(Program.Listed(), QStringList({"song 0.mp3"}));
        QCOMPARE(Program.RecentItem(2)->text(), caption(folders[0]));
        QCOMPARE(Program.Prompts.FolderRequests.size(), 3);

        Program.RecentItem(5)->trigger(); // an empty slot does nothing
        QCOMPARE(Program.Work().CurrentFolder, folders[0]);

        Program.Main->ClearRecentPaths(); // every slot, stored only at exit
        QCOMPARE(Program.RecentItem(0)->text(), QStringLiteral("..none.."));
        QCOMPARE(Program.RecentItem(9)->text(), QStringLiteral("..none.."));
        QCOMPARE(TSettingsBatch().ReadString(RecentPathKey(0)), Q(folders[2]));
        Program.Stop();
        QCOMPARE(TSettingsBatch().ReadString(RecentPathKey(0)), QStringLiteral("..none.."));
    }

    void PathGivenAtStartOpensItsFolder()
    {
        TTempDir music;
        WriteBytes(music / "a.mp3", Mp3At(128));
        WriteBytes(music / "b.mp3", Mp3At(128, MakeTrailer("Song B")));
        // the path, whether it opens, and the file selected and shown
        const std::tuple<std::string, bool, QString> cases[] = {{music / "", true, ""},
                                                                {music / "b.mp3", true, "b.mp3"},
                                                                {music / "missing", false, ""},
                                                                {"", false, ""}};
        for (const auto& [path, opened, selected] : cases) {
            Program.Stop();
            ClearSettingsStore();
            Program.Start();
            QCOMPARE(Program.Main->OpenPath(path), opened);
            QCOMPARE(Program.Listed(), opened ? QStringList({"a.mp3", "b.mp3"}) : QStringList());
            QCOMPARE(Program.Work().CurrentFolder, opened ? music.Path().string() : "");
            QCOMPARE(Program.RecentItem(0)->text(), opened ? Q(music.Path().string()) : "..none..");
            QCOMPARE(Program.Prompts.Messages.size(), opened ? 0 : 1);
            const QStringList rows = Program.SelectedNames();
            QCOMPARE(rows.isEmpty() ? QString() : rows.first(), selected);
            QCOMPARE(Program.Text("TitleBox"), selected.isEmpty() ? "" : "Song B");
        }
    }

private:
    // a bit-rate check on every file, slow enough to process events during the scan
    void SlowScans()
    {
        Program.Work().Options.WarningBitRate = true;
        Program.Work().Options.LowBitRate = 0;
    }

    TMainWindowHarness Program;
};

QTEST_MAIN(TMainFormDisplayTest)
#include "main_window_display_test.moc"
