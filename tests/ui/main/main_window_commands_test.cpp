#include "support/id3v2_fixture.h"
#include "ui/auxiliary/about_window.h"
#include "ui/auxiliary/error_window.h"
#include "ui/auxiliary/progress_window.h"
#include "ui/auxiliary/shortcut_list_window.h"
#include "ui/auxiliary/undo_history_window.h"
#include "ui/extract/extraction_window.h"
#include "ui/main/main_window_harness.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <functional>

namespace {

std::string Tagged(int i, const std::string& artist, std::string title = {})
{
    title = title.empty() ? "Title " + std::to_string(i) : title;
    return Mp3At(128, MakeTrailer(title, artist, "Album", "1999", "Note", i + 1, 17));
}

} // namespace

// The batch commands of the main window on files in a temporary folder (what they change on
// disk, what they ask, the progress they show and the failures they list), and its shortcuts and
// hint switch as the user presses them.
class TMainFormCommandsTest : public QObject
{
    Q_OBJECT

    TMainWindowHarness Program;
    std::unique_ptr<TTempDir> Music;
    QStringList Progress;
    QTemporaryDir WorkingFolder;

    std::filesystem::path Path(int i) const { return *Music / (std::to_string(i) + " x.mp3"); }

    // A fresh start beside a folder of three tagged files; several files take the artist alone.
    void Start()
    {
        Program.Stop();
        ClearSettingsStore();
        Music = std::make_unique<TTempDir>();
        for (int i = 0; i < 3; ++i) {
            WriteBytes(Path(i), Tagged(i, "Artist"));
        }
        Program.Start();
        Program.Work().Fields.EnabledFields = {false, true, false, false, false, false, false};
        Progress.clear();
        QObject::connect(Program.Main, &TMainWindow::ProgressReported, Program.Main,
                         [this](int, int, const QString& text) { Progress << text; });
    }

    // Starts with the main window active, the comment box focused and its text selected.
    void StartActive()
    {
        Start();
        Program.Main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Program.Main));
        QLineEdit* comment = Program.Find<QComboBox>("CommentBox")->lineEdit();
        comment->setText(QStringLiteral("live take"));
        comment->selectAll();
        comment->setFocus();
    }
    bool Focused(const char* name) const
    {
        return Program.Main->focusWidget() == Program.Find<QWidget>(name);
    }
    bool Field(int field, const char* box, bool on) const
    {
        return Program.FieldCheck(field)->isChecked() == on &&
               Program.Find<QWidget>(box)->isEnabled() == on;
    }

private slots:
    void initTestCase()
    {
        // a scan of the working folder would list this file
        std::ofstream(WorkingFolder.filePath("stray.mp3").toStdString()) << Mp3At(128);
        QDir::setCurrent(WorkingFolder.path());
    }
    void cleanup()
    {
        Program.Stop();
        Music.reset();
    }

    void WriteAndClear()
    {
        struct TCase
        {
            const char* Command;
            QList<int> Rows; // none: the whole path
            bool Ok;
            QString Question;
            QStringList Progress;
            // per file: Original, Written (the artist only: several files take the enabled
            // fields), Both title and artist written (one file: the user's own checks), Cleared,
            // or gone (-)
            QString Files;
        };
        const QString some = "... Write ID3 TAG to ALL SELECTED Files ? ...";
        const QString all = "... Write ID3 TAG to ALL Files in Path ? ...";
        const QString clear = "... Clear ID3 TAG to ALL SELECTED Files ? ...";
        const TCase cases[] = {
            {"WriteTagButton", {1}, false, "", {"1 / 1"}, "OBO"},
            {"WriteTagButton", {0, 2}, true, some, {"1 / 2", "2 / 2"}, "WOW"},
            {"WriteTagButton", {0, 2}, false, some, {}, "OOO"},
            {"WriteTagButton", {}, true, all, {"0 / 3", "1 / 3", "2 / 3"}, "W-W"},
            {"ClearTagsButton", {0, 1}, true, clear, {}, "C-O"}};
        for (const TCase& c : cases) {
            Start();
            Program.Open(Music->Path().string());
            for (int field : {2, 3, 4, 5, 6}) {
                Program.FieldCheck(field)->setChecked(false);
            }
            if (c.Rows.isEmpty()) {
                // a click on the first letter of the panel's caption switches the whole path on
                auto* panel = Program.Find<TPanel>("WholePathPanel");
                const QPoint at(panel->contentsRect().left() + 4 + 20 + 3, panel->height() / 2);
                QWidget* target = panel->childAt(at) != nullptr ? panel->childAt(at) : panel;
                QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(panel, at));
            }
            for (int row : c.Rows) {
                Program.ClickRow(row, row == c.Rows.front() ? Qt::NoModifier : Qt::ControlModifier);
            }
            Program.Find<QComboBox>("TitleBox")->setEditText("Written");
            Program.Find<QComboBox>("ArtistBox")->setEditText("Written");
            std::filesystem::remove(Path(c.Files.indexOf('-')));
            Program.Prompts.AnswerConfirm(c.Ok);
            const auto batch = Program.WatchBusy(TActivityKind::Batch);
            Program.Find<QToolButton>(c.Command)->click();
            QCOMPARE(batch->Turns, 1);
            QCOMPARE(batch->Enabled, QStringList());
            QCOMPARE(Program.EnabledCommands(), Program.BusyCommands());

            const auto& asked = Program.Prompts.Questions;
            QCOMPARE(asked.isEmpty() ? QString() : asked.front().Text, c.Question);
            QCOMPARE(Progress, c.Progress);
            QVERIFY(!Program.Windows().ProgressWindow->isVisible());
            QCOMPARE(Program.Find<QCheckBox>("WholePathBox")->isChecked(), c.Rows.isEmpty());
            const QStringList errors = Program.Windows().ErrorWindow->Lines();
            for (int i = 0; i < 3; ++i) {
                const std::string expected[] = {Tagged(i, "Artist"), Tagged(i, "Written"),
                                                Tagged(i, "Written", "Written"), Mp3At(128), ""};
                const qsizetype state = QStringLiteral("OWBC-").indexOf(c.Files[i]);
                QVERIFY2(ReadBytes(Path(i)) == expected[state], Path(i).c_str());
                // a vanished file is listed, not written or cleared
                QCOMPARE(errors.contains(QStringLiteral("%1 x.mp3").arg(i)), c.Files[i] == '-');
            }
        }
    }

    void WriteAsksBeforeLosingCharacters()
    {
        Start();
        Program.Open(Music->Path().string());
        Program.ClickRow(1, Qt::NoModifier);
        Program.Find<QComboBox>("TitleBox")->setEditText(QString::fromUtf8("\xD0\x92\xD0\xB5"));
        Program.Prompts.AnswerConfirm(false); // No, the default: the file stays as it was
        Program.Find<QToolButton>("WriteTagButton")->click();
        QVERIFY(Program.Prompts.Questions.front().Text.startsWith(
            "1 files have characters the code page cannot hold: write them with '?'?"));
        QVERIFY(ReadBytes(Path(1)) == Tagged(1, "Artist"));
    }

    void Rename()
    {
        const QString full = QString(30, 'T') + QString(30, 'A'); // 60 characters
        const QString used = "cannot rename to Same.mp3: another file has that name";
        const QString macro = "%t,t%%a,t%%alb,t%";
        // whole path or the first two files, the macro, the files after (sorted), the failures
        // listed below the folder's header and the messages shown
        const std::tuple<bool, QString, QString, QStringList, int> cases[] = {
            {false, macro, "1 x.mp3|2 x.mp3|" + full + ".mp3", {full + "B.mp3", "65"}, 0},
            {true, macro, "1 x.mp3|" + full + ".mp3|Title 2ArtistAlbum.mp3", {full + "B.mp3"}, 0},
            {true, "Same", "1 x.mp3|2 x.mp3|Same.mp3", {"1 x.mp3", used, "2 x.mp3", used}, 2},
        };
        for (auto [wholePath, macro, files, errors, messages] : cases) {
            Start();
            const std::string title(30, 'T');
            const std::string artist(30, 'A');
            WriteBytes(Path(0), Mp3At(128, MakeTrailer(title, artist, "", "", "", 3)));
            WriteBytes(Path(1), Mp3At(128, MakeTrailer(title, artist, "B", "", "", 4)));
            Program.Work().Options.LimitTo64 = true;
            Program.Open(Music->Path().string());
            Program.Find<QLineEdit>("MacroBox")->setText(macro);
            if (wholePath) {
                Program.Find<TPanel>("WholePathPanel")->Clicked();
            } else {
                Program.ClickRow(0);
                Program.ClickRow(1, Qt::ControlModifier);
            }
            Program.Prompts.AnswerConfirm(true);
            Program.Find<QToolButton>("RenameButton")->click();

            QStringList onDisk;
            for (const auto& entry : std::filesystem::directory_iterator(Music->Path())) {
                onDisk << QString::fromStdString(entry.path().filename().string());
            }
            onDisk.sort();
            QCOMPARE(onDisk.join('|'), files);
            const QString folder = QString::fromStdString(Music->Path().string() + "/");
            QCOMPARE(Program.Windows().ErrorWindow->Lines(),
                     QStringList({"", folder, "----"}) + errors);
            QCOMPARE(Program.Windows().ErrorWindow->isVisible(), !errors.isEmpty());
            QCOMPARE(Program.Prompts.Messages.size(), messages);
            const bool notice = wholePath && !errors.isEmpty() && messages == 0;
            QCOMPARE(Program.Text("ErrorNotice").isEmpty(), !notice);
            QCOMPARE(Progress.back(), QStringLiteral("Waiting ..."));
            QVERIFY(!Program.Work().WholePathMode &&
                    !Program.Find<QCheckBox>("WholePathBox")->isChecked());
        }
    }

    void CopyId3v2Item()
    {
        // files 0 and 2 carry an ID3v2 tag, file 2 is read-only
        Start();
        const std::string id3v2 =
            MakeId3v2Tag(3, {{"TIT2", TextBody(TId3v2Encoding::Utf16, "Zwei")}});
        WriteBytes(Path(0), id3v2 + Tagged(0, "Artist"));
        WriteBytes(Path(2), id3v2 + Tagged(2, "Artist"));
        std::filesystem::permissions(Path(2), std::filesystem::perms::owner_read);
        Program.Open(Music->Path().string());
        for (int row : {1, 2, 0}) { // all selected, the first one shown
            Program.ClickRow(row, row == 1 ? Qt::NoModifier : Qt::ControlModifier);
        }
        Program.Prompts.AnswerConfirm(true);
        Program.Find<QAction>("CopyId3v2Item")->trigger();

        QCOMPARE(Program.Prompts.Questions.size(), 1);
        QCOMPARE(Program.Prompts.Questions.front().Text,
                 "... Copy ID3v2 TAG to ID3v1 TAG ? ...\n\nFiles with an ID3v2 tag: 2 of 3");
        QCOMPARE(Progress, (QStringList{"Waiting ...", "1 / 3", "2 / 3", "3 / 3"}));
        QVERIFY(ReadBytes(Path(0)) == id3v2 + Tagged(0, "Artist", "Zwei"));
        QVERIFY(ReadBytes(Path(2)) == id3v2 + Tagged(2, "Artist"));
        const QStringList errors = Program.Windows().ErrorWindow->Lines();
        QVERIFY(errors.contains("2 x.mp3") && !errors.contains("1 x.mp3"));
        // the shown file is read again
        QCOMPARE(Program.Text("TitleBox"), QStringLiteral("Zwei"));
    }

    // The file list menu's undo: named after the last batch, off without one, and refusing a
    // file edited since.
    void UndoLastBatch()
    {
        Start();
        std::filesystem::remove_all(Program.Work().JournalFolder);
        Program.Open(Music->Path().string());
        auto* undo = Program.Main->findChild<QAction*>("UndoLastBatchItem");
        auto* menu = Program.Main->findChild<QMenu*>("FileListMenu");
        const auto popUp = [&] {
            emit Program.List()->customContextMenuRequested({2, 2});
            menu->hide();
        };
        popUp();
        QVERIFY(!undo->isEnabled());
        Program.ClickRow(0);
        Program.ClickRow(2, Qt::ControlModifier);
        Program.Find<QComboBox>("ArtistBox")->setEditText("Written");
        Program.Prompts.AnswerConfirm(true);
        Program.Find<QToolButton>("WriteTagButton")->click();
        WriteBytes(Path(2), Tagged(2, "Edited"));
        popUp();
        QVERIFY(undo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("&Undo last batch (write, 2 files)"));

        Program.Prompts.AnswerConfirm(true);
        undo->trigger();
        QVERIFY(Program.Prompts.Questions.back().Text.startsWith(
            "... Undo the last batch (write, 2 files) ? ..."));
        QCOMPARE(ReadBytes(Path(0)), Tagged(0, "Artist"));
        QCOMPARE(ReadBytes(Path(2)), Tagged(2, "Edited"));
        QVERIFY(Program.Windows().ErrorWindow->Lines().contains(
            "cannot undo: the file changed after the batch"));
        QCOMPARE(Progress.back(), QStringLiteral("2 / 2"));
    }

    // Enter in the genre box turns a text that names no genre into "<unknown>", and the write
    // stores what the box shows ("Other"), not the genre chosen before. Another folder opened
    // then leaves nothing of that file on display.
    void GenreEnterAndAnotherFolder()
    {
        Start();
        Program.Open(Music->Path().string());
        Program.ClickRow(0);
        auto* genre = Program.Find<QComboBox>("GenreBox");
        genre->setFocus();
        genre->lineEdit()->selectAll();
        QTest::keyClicks(genre, QStringLiteral("Qqq"));
        QTest::keyClick(genre, Qt::Key_Return);
        QCOMPARE(genre->currentText(), QStringLiteral("<unknown>"));
        Program.Find<QToolButton>("WriteTagButton")->click();
        QCOMPARE(int(ReadBytes(Path(0)).back()), 12);

        QMouseEvent move(QEvent::MouseMove, QPointF(4, 4), QPointF(4, 4), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Program.List()->viewport(), &move);
        QCOMPARE(Program.Text("PointedFilePanel"), QStringLiteral("0 x.mp3"));
        TTempDir other;
        Program.Open(other.Path().string());
        for (const char* shown :
             {"PointedFolderPanel", "PointedFilePanel", "TitleBox", "GenreBox", "BitRatePanel"}) {
            QVERIFY2(Program.Text(shown).isEmpty(), shown);
        }
        QVERIFY(!Program.Text("MacroPreviewLabel").contains("Title 0"));
    }

    // Older batches are undone from the history window with the menu entry's question and
    // rescan; in whole-path mode the counter still counts every file afterwards.
    void UndoHistoryReachesOlderBatches()
    {
        Start();
        std::filesystem::remove_all(Program.Work().JournalFolder);
        Program.Open(Music->Path().string());
        for (const int row : {0, 1}) {
            Program.ClickRow(row);
            Program.Find<QComboBox>("ArtistBox")->setEditText(QStringLiteral("Batch"));
            Program.Find<QToolButton>("WriteTagButton")->click();
        }
        Program.Find<TPanel>("WholePathPanel")->Clicked(); // whole-path mode on
        Program.Main->findChild<QAction*>("UndoHistoryItem")->trigger();
        auto* history = Program.Windows().UndoHistoryWindow;
        QCOMPARE(history->Batches().size(), 2u);
        const TUndoHistoryEntry older = history->Batches()[1];
        auto* batches = history->findChild<QTreeWidget*>("BatchList");
        QCOMPARE(batches->topLevelItem(1)->text(0), QStringLiteral("write"));
        batches->setCurrentItem(batches->topLevelItem(1));

        Program.Prompts.AnswerConfirm(true);
        history->findChild<QToolButton*>("UndoButton")->click();
        QVERIFY(Program.Prompts.Questions.back().Text.startsWith(
            QStringLiteral("... Undo batch %1 (write, 1 file) ? ...").arg(older.Number)));
        QCOMPARE(ReadBytes(Path(0)), Tagged(0, "Artist"));
        QCOMPARE(ReadBytes(Path(1)), Tagged(1, "Batch"));
        QCOMPARE(history->Batches().size(), 3u);
        QCOMPARE(history->Batches()[0].Kind, std::string("undo"));
        QCOMPARE(Program.Text("FileCounter"), QStringLiteral("3 / 3"));
    }

    // Which key runs which command is the key map's unit test; here the keys reach the window
    // and each kind of command runs (the windows they open are the buttons' test).
    void KeysDoWhatTheShortcutListSays()
    {
        const auto opened = [this] { return Program.Prompts.OpenedUrls.join(' '); };
        QListView* list = nullptr;
        qsizetype requests = 0;
        const std::pair<const char*, std::function<bool()>> rows[] = {
            {"Alt+T", [&] { return Focused("TitleBox"); }},
            {"Alt+F", [&] { return Focused("FileList"); }},
            {"Alt+Num+1", [&] { return Focused("CommentBox"); }}, // 0x61 is no "a"
            {"Alt+P", [&] { return Program.Work().WholePathMode; }},
            {"Alt+U", [&] { return Program.Work().RecursiveScan && Program.Listed().isEmpty(); }},
            {"Alt+I", [&] { return Program.Find<QWidget>("MacroBox")->toolTip().isEmpty(); }},
            {"Alt+>", [&] { return Program.Find<QWidget>("HelpColumn")->width() == 105; }},
            {"Alt+N", [&] { return Program.Windows().ExtractionWindow->isVisible(); }},
            {"Alt+Ctrl+E",
             [&] { return Focused("MacroBox") && Program.Windows().ErrorWindow->isVisible(); }},
            {"Ctrl+O", [&] { return Program.Prompts.FolderRequests.size() == requests + 1; }},
            {"Ctrl+M", [&] { return opened() == "mailto:cantrel@velmor.example"; }},
            {"Ctrl+P", [&] { return opened() == "https://velmor.example/cantrel"; }},
            {"Ctrl+F1", [&] { return opened().isEmpty(); }}, // 0x70 is no "p"
            {"Ctrl+T", [&] { return Field(0, "TitleBox", false); }},
            {"Ctrl+T, Ctrl+T", [&] { return Field(0, "TitleBox", true); }},
            // the key still reaches the box
            {"Ctrl+C",
             [&] {
                 return Field(4, "CommentBox", false) &&
                        QApplication::clipboard()->text() == "live take";
             }},
            // one picker, also when the user answers it with Enter (a key that passes the
            // keyboard filter while the first is still being handled)
            {"Ctrl+O on the file list",
             [&] {
                 return Program.Prompts.FolderRequests.size() == requests + 1 &&
                        Program.Listed().size() == 3 &&
                        Program.Find<QToolButton>("WriteTagButton")->isEnabled();
             }},
            // the artist field switches, and not every file is selected
            {"Ctrl+A on the file list",
             [&] {
                 return Field(1, "ArtistBox", false) &&
                        list->selectionModel()->selectedIndexes().size() == 1;
             }},
        };
        QLineEdit pickerField;
        for (const auto& [rule, done] : rows) {
            StartActive();
            const QString keys = QString(rule).section(" on ", 0, 0);
            QWidget* target = QApplication::focusWidget();
            if (keys != QLatin1String(rule)) {
                Program.Open(Music->Path().string());
                Program.ClickRow(1);
                target = list = Program.List();
                list->setFocus();
                Program.Prompts.AnswerFolder(QString::fromStdString(Music->Path().string()));
                Program.Prompts.WhilePicking = [&] {
                    QTest::keyClick(&pickerField, Qt::Key_Return);
                };
            }
            requests = Program.Prompts.FolderRequests.size();
            QTest::keySequence(target, QKeySequence(keys));
            // the captions' accelerators click a moment later, as a mouse click does
            QTRY_VERIFY2_WITH_TIMEOUT(done(), rule, 1000);
        }
    }

    void KeysOfAnotherActiveWindowStayThere()
    {
        StartActive();
        QWidget* keys = Program.Windows().ShortcutListWindow;
        keys->show();
        keys->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(keys));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::ControlModifier);
        QVERIFY(Program.FieldCheck(0)->isChecked());
    }

    void HintSwitchCoversEveryTip()
    {
        StartActive();
        std::vector<std::pair<QWidget*, QString>> hints;
        for (QWidget* window : {static_cast<QWidget*>(Program.Main),
                                static_cast<QWidget*>(Program.Windows().ExtractionWindow)}) {
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (!control->toolTip().isEmpty()) {
                    hints.emplace_back(control, control->toolTip());
                }
            }
        }
        QVERIFY(hints.size() >= 30);
        auto* mail = Program.Windows().AboutWindow->findChild<QLabel*>(QStringLiteral("MailLabel"));
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), mail->mapToGlobal(QPoint(2, 2)));
        for (const bool on : {false, true}) {
            QTest::mouseClick(Program.Find<TPanel>("ShowHintsPanel"), Qt::LeftButton, {}, {2, 30});
            for (const auto& [control, hint] : hints) {
                QCOMPARE(control->toolTip(), on ? hint : QString());
            }
            // not even another window's own tip shows while the hints are off
            QApplication::sendEvent(mail, &help);
            QCOMPARE(QToolTip::isVisible(), on);
        }
        QToolTip::hideText();
    }
};

QTEST_MAIN(TMainFormCommandsTest)
#include "main_window_commands_test.moc"
