#include "support/id3v2_fixture.h"
#include "ui/auxiliary/error_form.h"
#include "ui/auxiliary/progress_form.h"
#include "ui/components/panel.h"
#include "ui/main/main_window_harness.h"

#include <QMenu>
#include <QtTest>

#include <filesystem>
#include <map>

// The batch commands of the main window on files in a temporary folder: what they change on
// disk, what they ask, the progress they show and the failures they list.
class TMainFormCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ClearSettingsStore();
        Music = std::make_unique<TTempDir>();
        for (int i = 0; i < 3; ++i) {
            WriteBytes(Path(i), Tagged(i, "Artist"));
        }
        Program.Start();
        Program.Work().Fields.EnabledFields = {false, true, false, false, false, false, false};
        Progress.clear();
        QObject::connect(Program.Main, &T_MainForm::ProgressReported, Program.Main,
                         [this](int, int, const QString& text) { Progress << text; });
    }
    void cleanup()
    {
        Program.Stop();
        Music.reset();
    }

    void WriteAndClear_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QList<int>>("rows"); // none: the whole path
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("progress");
        // per file: Original, Written (the artist only: several files take the enabled fields),
        // Both title and artist written (one file: the user's own checks), Cleared, or gone (-)
        QTest::addColumn<QString>("files");
        const QString write = "Write_Tag_SB";
        const QString writeSome = "... Write ID3 TAG to ALL SELECTED Files ? ...";
        QTest::newRow("one file") << write << QList<int>{1} << false << QString()
                                  << QStringList{"1 / 1"} << "OBO";
        QTest::newRow("two files") << write << QList<int>{0, 2} << true << writeSome
                                   << QStringList{"1 / 2", "2 / 2"} << "WOW";
        QTest::newRow("cancel") << write << QList<int>{0, 2} << false << writeSome << QStringList()
                                << "OOO";
        QTest::newRow("whole path, one gone")
            << write << QList<int>{} << true << "... Write ID3 TAG to ALL Files in Path ? ..."
            << QStringList{"0 / 3", "1 / 3", "2 / 3"} << "W-W";
        QTest::newRow("clear two, one gone")
            << "ClearTags_SB" << QList<int>{0, 1} << true
            << "... Clear ID3 TAG to ALL SELECTED Files ? ..." << QStringList() << "C-O";
    }
    void WriteAndClear()
    {
        QFETCH(QString, command);
        QFETCH(QList<int>, rows);
        QFETCH(bool, ok);
        QFETCH(QString, question);
        QFETCH(QStringList, progress);
        QFETCH(QString, files);
        Program.Open(Music->Path().string());
        for (int field : {2, 3, 4, 5, 6}) {
            Program.FieldCheck(field)->setChecked(false);
        }
        if (rows.isEmpty()) {
            // a click on the first letter of the panel's caption switches the whole path on
            auto* panel = Program.Find<TPanel>("Panel29");
            const QPoint caption(panel->contentsRect().left() + 4 + 20 + 3, panel->height() / 2);
            QWidget* target = panel->childAt(caption) != nullptr ? panel->childAt(caption) : panel;
            QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(panel, caption));
        }
        for (int row : rows) {
            Program.ClickRow(row, row == rows.front() ? Qt::NoModifier : Qt::ControlModifier);
        }
        Program.Find<QComboBox>("TitleEdit")->setEditText("Written");
        Program.Find<QComboBox>("ArtistEdit")->setEditText("Written");
        std::filesystem::remove(Path(files.indexOf('-')));
        Program.Prompts.AnswerConfirm(ok);
        Program.Find<QToolButton>(command.toLatin1().constData())->click();

        const auto& asked = Program.Prompts.Questions;
        QCOMPARE(asked.isEmpty() ? QString() : asked.front().Text, question);
        QCOMPARE(Progress, progress);
        QVERIFY(!Program.Windows().ProgressForm->isVisible());
        QCOMPARE(Program.Find<QCheckBox>("All_CB")->isChecked(), rows.isEmpty());
        const QStringList errors = Program.Windows().ErrorForm->Lines();
        for (int i = 0; i < 3; ++i) {
            const std::map<QChar, std::string> expected = {{'O', Tagged(i, "Artist")},
                                                           {'W', Tagged(i, "Written")},
                                                           {'B', Tagged(i, "Written", "Written")},
                                                           {'C', Mp3At(128)},
                                                           {'-', ""}};
            QVERIFY2(ReadBytes(Path(i)) == expected.at(files[i]), Path(i).c_str());
            // a vanished file is listed, not written or cleared
            QCOMPARE(errors.contains(QStringLiteral("%1 x.mp3").arg(i)), files[i] == '-');
        }
    }

    void Rename_data()
    {
        QTest::addColumn<bool>("wholePath");
        QTest::addColumn<QString>("macro");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("errors"); // "<f>" is the folder
        QTest::addColumn<int>("messages");
        const QString name = QString(30, 'T') + QString(30, 'A'); // 60 characters
        const QString taken = "cannot rename to Same.mp3: another file has that name";
        QTest::newRow("selected, over 64")
            << false << "%t,t%%a,t%%alb,t%" << QStringList{"1 x.mp3", "2 x.mp3", name + ".mp3"}
            << QStringList{"", "<f>", "----", name + "B.mp3", "65"} << 0;
        QTest::newRow("whole path, over 64")
            << true << "%t,t%%a,t%%alb,t%"
            << QStringList{"1 x.mp3", name + ".mp3", "Title 2ArtistAlbum.mp3"}
            << QStringList{"", "<f>", "----", name + "B.mp3"} << 0;
        QTest::newRow("same name")
            << true << "Same" << QStringList{"1 x.mp3", "2 x.mp3", "Same.mp3"}
            << QStringList{"", "<f>", "----", "1 x.mp3", taken, "2 x.mp3", taken} << 2;
    }
    void Rename()
    {
        QFETCH(bool, wholePath);
        QFETCH(QString, macro);
        QFETCH(QStringList, files);
        QFETCH(QStringList, errors);
        QFETCH(int, messages);
        const std::string title(30, 'T');
        const std::string artist(30, 'A');
        WriteBytes(Path(0), Mp3At(128, MakeTrailer(title, artist, "", "", "", 3)));
        WriteBytes(Path(1), Mp3At(128, MakeTrailer(title, artist, "B", "", "", 4)));
        Program.Work().Options.LimitTo64 = true;
        Program.Open(Music->Path().string());
        Program.Find<QLineEdit>("Edit6")->setText(macro);
        if (wholePath) {
            Program.Find<TPanel>("Panel29")->Clicked();
        } else {
            Program.ClickRow(0);
            Program.ClickRow(1, Qt::ControlModifier);
        }
        Program.Prompts.AnswerConfirm(true);
        Program.Find<QToolButton>("SetFileName_SB")->click();

        QStringList onDisk;
        for (const auto& entry : std::filesystem::directory_iterator(Music->Path())) {
            onDisk << QString::fromStdString(entry.path().filename().string());
        }
        onDisk.sort();
        QCOMPARE(onDisk, files);
        errors.replaceInStrings("<f>", QString::fromStdString(Music->Path().string() + "/"));
        QCOMPARE(Program.Windows().ErrorForm->Lines(), errors);
        QCOMPARE(Program.Windows().ErrorForm->isVisible(), !errors.isEmpty());
        QCOMPARE(Program.Prompts.Messages.size(), messages);
        const bool notice = wholePath && !errors.isEmpty() && messages == 0;
        QCOMPARE(Program.Find<TPanel>("ErrorPanel")->Caption().isEmpty(), !notice);
        QCOMPARE(Progress.back(), QStringLiteral("Waiting ..."));
        QVERIFY(!Program.Work().WholePathMode && !Program.Find<QCheckBox>("All_CB")->isChecked());
    }

    void CopyId3v2()
    {
        // files 0 and 2 carry an ID3v2 tag, file 2 is read-only
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
        Program.Find<QAction>("CopyId3v2")->trigger();

        QCOMPARE(Program.Prompts.Questions.size(), 1);
        QCOMPARE(Program.Prompts.Questions.front().Text,
                 "... Copy ID3v2 TAG to ID3v1 TAG ? ...\n\nFiles with an ID3v2 tag: 2 of 3");
        QCOMPARE(Progress, (QStringList{"Waiting ...", "1 / 3", "2 / 3", "3 / 3"}));
        QVERIFY(ReadBytes(Path(0)) == id3v2 + Tagged(0, "Artist", "Zwei"));
        QVERIFY(ReadBytes(Path(1)) == Tagged(1, "Artist"));
        QVERIFY(ReadBytes(Path(2)) == id3v2 + Tagged(2, "Artist"));
        const QStringList errors = Program.Windows().ErrorForm->Lines();
        QVERIFY(errors.contains("2 x.mp3"));
        QVERIFY(!errors.contains("1 x.mp3"));
        // the shown file is read again
        QCOMPARE(Program.Find<QComboBox>("TitleEdit")->currentText(), QStringLiteral("Zwei"));
    }

    // The file list menu's undo: named after the last batch, off without one, and refusing a
    // file edited since.
    void UndoLastBatch()
    {
        std::filesystem::remove_all(Program.Work().JournalFolder);
        Program.Open(Music->Path().string());
        auto* undo = Program.Main->findChild<QAction*>("UndoLastBatch1");
        auto* menu = Program.Main->findChild<QMenu*>("RecentParhs_PM");
        const auto popUp = [&] {
            emit Program.Find<QListWidget>("ListBox1")->customContextMenuRequested({2, 2});
            menu->hide();
        };
        popUp();
        QVERIFY(!undo->isEnabled());
        Program.ClickRow(0);
        Program.ClickRow(2, Qt::ControlModifier);
        Program.Find<QComboBox>("ArtistEdit")->setEditText("Written");
        Program.Prompts.AnswerConfirm(true);
        Program.Find<QToolButton>("Write_Tag_SB")->click();
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
        QVERIFY(Program.Windows().ErrorForm->Lines().contains(
            "cannot undo: the file changed after the batch"));
        QCOMPARE(Progress.back(), QStringLiteral("2 / 2"));
    }

private:
    std::filesystem::path Path(int i) const { return *Music / (std::to_string(i) + " x.mp3"); }
    static std::string Tagged(int i, const std::string& artist, std::string title = {})
    {
        title = title.empty() ? "Title " + std::to_string(i) : title;
        return Mp3At(128, MakeTrailer(title, artist, "Album", "1999", "Note", i + 1, 17));
    }

    std::unique_ptr<TTempDir> Music;
    TMainWindowHarness Program;
    QStringList Progress;
};

QTEST_MAIN(TMainFormCommandsTest)
#include "main_form_commands_test.moc"
