#include "ui/components/panel.h"
#include "ui/extract/extract_form.h"
#include "ui/main/main_window_harness.h"

#include <QtTest>

// What the window shows for no, one and several selected files, and the two field modes.
class TMainFormSelectionTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ClearSettingsStore();
        WriteBytes(Music / "a.mp3",
                   Mp3At(128, MakeTrailer("Alpha", "Ann", "First", "1999", "nice", 7, 17)));
        WriteBytes(Music / "b.mp3", Mp3At(160));
        WriteBytes(Music / "c.mp3",
                   Mp3At(128, MakeTrailer("Gamma", "Gil", "Third", "2004", "", 12, 12)));
        Program.Start();
        Program.Open(Music.Path().string());
    }
    void cleanup() { Program.Stop(); }

    void OneFileShowsItsTagAndStream()
    {
        Program.ClickRow(0);
        QCOMPARE(Program.Main->CurrentFileName(), Music / "a.mp3");
        // 3 frames of 417 bytes and a 128-byte trailer: 1379 bytes
        const std::pair<const char*, const char*> shown[] = {
            {"TitleEdit", "Alpha"}, {"CommentEdit", "nice"},  {"Genre_CB", "Rock"},
            {"Track_ME", "07"},     {"Panel16", "1.35 Kb  "}, {"Panel28", "128 KBit/s  "},
            {"Panel32", "417  "},   {"Panel25", "1 / 3"},
        };
        for (const auto& [name, text] : shown) {
            QWidget* control = Program.Find<QWidget>(name);
            const auto* box = qobject_cast<QComboBox*>(control);
            const auto* edit = qobject_cast<QLineEdit*>(control);
            const QString value = box != nullptr    ? box->currentText()
                                  : edit != nullptr ? edit->text()
                                                    : qobject_cast<QLabel*>(control)->text();
            QCOMPARE(value, QString::fromUtf8(text));
        }
        QCOMPARE(Program.Windows().Form3->findChild<QLabel*>("Status_Panel")->text(),
                 QStringLiteral("Files to process   [ 1 / 3 ]"));

        Program.ClickRow(2);
        QCOMPARE(Program.Find<QComboBox>("Genre_CB")->currentText(),
                 QStringLiteral("<unknown>")); // "Other"
        Program.ClickRow(1);                   // no tag: genre 255
        QCOMPARE(Program.Find<QComboBox>("Genre_CB")->currentText(), QStringLiteral("<unknown>"));
        QCOMPARE(Program.Find<QLineEdit>("Track_ME")->text(), QStringLiteral("00"));
    }

    void SeveralFilesShowTheFocusedOneAndNoneEmptiesTheBoxes()
    {
        T_MainForm* main = Program.Main;
        Program.ClickRow(0);
        Program.ClickRow(2, Qt::ControlModifier);
        QCOMPARE(main->CurrentFileName(), Music / "c.mp3");
        QCOMPARE(Program.Find<QComboBox>("TitleEdit")->currentText(), QStringLiteral("Gamma"));
        QCOMPARE(Program.Find<QLabel>("Panel25")->text(), QStringLiteral("2 / 3"));
        // moving the focus alone within the selection changes the displayed file
        Program.Find<QListWidget>("ListBox1")->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        QCOMPARE(main->CurrentFileName(), Music / "a.mp3");
        QCOMPARE(Program.Find<QComboBox>("TitleEdit")->currentText(), QStringLiteral("Alpha"));

        Program.ClickRow(0);
        Program.ClickRow(0, Qt::ControlModifier);
        QCOMPARE(main->CurrentFileName(), std::string());
        QCOMPARE(Program.Find<QLabel>("Panel25")->text(), QStringLiteral("0 / 3"));
        QVERIFY(Program.Find<QComboBox>("TitleEdit")->currentText().isEmpty());
        QVERIFY(Program.Find<QLineEdit>("Track_ME")->text().isEmpty());
        QCOMPARE(Program.Find<QComboBox>("Genre_CB")->count(), 0);
        QCOMPARE(Program.Windows().Form3->findChild<QLabel*>("Status_Panel")->text(),
                 QStringLiteral("No files to process   [ 0 / 3 ]"));
    }

    // Several files take the enabled fields of the settings; the user's own checks for one file
    // wait meanwhile and return with the next single file.
    void FieldChecksFollowTheSelection()
    {
        const auto enabled = [this](const char* box) {
            return Program.Find<QWidget>(box)->isEnabled();
        };
        Program.ClickRow(0);
        Program.FieldCheck(1)->setChecked(false); // as a click does: the box follows
        QVERIFY(!enabled("ArtistEdit"));
        Program.ClickRow(1);
        QVERIFY(!Program.FieldCheck(1)->isChecked());
        QVERIFY(!enabled("ArtistEdit"));

        Program.Work().Fields.EnabledFields = {false, true, false, false, true, false, false};
        Program.ClickRow(2, Qt::ControlModifier);
        QVERIFY(Program.Work().Fields.MultiSelectMode);
        for (int i = 0; i < T_MainForm::FieldCount; ++i) {
            QCOMPARE(Program.FieldCheck(i)->isChecked(), Program.Work().Fields.EnabledFields[i]);
        }
        QVERIFY(!enabled("TitleEdit") && enabled("ArtistEdit") && !enabled("Track_ME"));

        Program.ClickRow(2);
        QVERIFY(!Program.Work().Fields.MultiSelectMode);
        QVERIFY(!Program.FieldCheck(1)->isChecked());
        QVERIFY(!enabled("ArtistEdit"));
        QVERIFY(enabled("TitleEdit") && enabled("Track_ME"));
    }

    void PointerOverTheListShowsTheCurrentFile()
    {
        Program.ClickRow(2);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Program.Find<QListWidget>("ListBox1")->viewport(), &move);
        QCOMPARE(Program.Find<QLabel>("Panel8")->text(),
                 QString::fromStdString(Music.Path().string() + "/"));
        QCOMPARE(Program.Find<QLabel>("Panel20")->text(), QStringLiteral("c.mp3"));
    }

    void TextBoxesKeepAHistory()
    {
        Program.ClickRow(0);
        const auto enter = [](QComboBox* box, const QString& text) {
            box->setEditText(text);
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        };
        auto* title = Program.Find<QComboBox>("TitleEdit");
        for (const char* text : {"Morning", "MORNING", "Evening"}) {
            enter(title, QString::fromLatin1(text));
        }
        QCOMPARE(title->count(), 2);
        QCOMPARE(title->itemText(0), QStringLiteral("Morning"));
        QCOMPARE(title->lineEdit()->selectedText(), QStringLiteral("Evening"));

        auto* genre = Program.Find<QComboBox>("Genre_CB");
        enter(genre, QStringLiteral("no such genre"));
        QCOMPARE(genre->currentText(), QStringLiteral("<unknown>"));
        enter(genre, QStringLiteral("rock"));
        QCOMPARE(genre->currentText().toLower(), QStringLiteral("rock"));
    }

    void PreviewCountsTheNewName()
    {
        Program.ClickRow(0);
        Program.Find<QLineEdit>("Edit6")->setText(QString(60, QLatin1Char('n')));
        QCOMPARE(Program.Find<QLabel>("NrOfChars_Panel")->text(), QStringLiteral("64"));
        QCOMPARE(Program.Find<QLabel>("NrOfChars_Panel")->palette().color(QPalette::WindowText),
                 QColor(Qt::black));
        Program.Find<QLineEdit>("Edit6")->setText(QString(61, QLatin1Char('n')));
        QCOMPARE(Program.Find<QLabel>("NrOfChars_Panel")->text(), QStringLiteral("65"));
        QCOMPARE(Program.Find<QLabel>("NrOfChars_Panel")->palette().color(QPalette::WindowText),
                 QColor(Qt::red));
        Program.Find<QLineEdit>("Edit6")->setText(QStringLiteral("sub\\%t,t%"));
        QCOMPARE(Program.Find<QLabel>("Label15")->text(), QStringLiteral("sub\\Alpha"));
        QCOMPARE(Program.Find<QLabel>("NrOfChars_Panel")->text(), QStringLiteral("9"));
    }

    void HoverDrawsOneCommandButtonRed()
    {
        // real pointer moves: moving off a button onto the strip around it sends the strip no
        // Enter of its own, only the button a Leave
        T_MainForm* main = Program.Main;
        QVERIFY(QTest::qWaitForWindowExposed(main));
        const auto colourOf = [](QWidget* button) {
            return button->palette().color(QPalette::ButtonText);
        };
        const auto moveTo = [main](QWidget* widget, QPoint at) {
            QTest::mouseMove(main, widget->mapTo(main, at));
        };
        auto* write = Program.Find<QToolButton>("Write_Tag_SB");
        auto* macro = Program.Find<QToolButton>("Macro_SB");
        moveTo(write, write->rect().center());
        QTRY_COMPARE(colourOf(write), QColor(Qt::red));
        QCOMPARE(colourOf(Program.Find<QToolButton>("Html_SB")), QColor(Qt::black));
        moveTo(macro, macro->rect().center());
        QTRY_COMPARE(colourOf(macro), QColor(Qt::red));
        QCOMPARE(colourOf(write), QColor(Qt::black));
        moveTo(Program.Find<QWidget>("Panel9"), QPoint(1, 1)); // the strip around the buttons
        QTRY_COMPARE(colourOf(macro), QColor(Qt::black));
    }

private:
    TTempDir Music;
    TMainWindowHarness Program;
};

QTEST_MAIN(TMainFormSelectionTest)
#include "main_form_selection_test.moc"
