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
        T_MainForm* main = Program.Main;
        Program.ClickRow(0);
        QCOMPARE(main->CurrentFileName(), Music / "a.mp3");
        QCOMPARE(main->TitleEdit->currentText(), QStringLiteral("Alpha"));
        QCOMPARE(main->ArtistEdit->currentText(), QStringLiteral("Ann"));
        QCOMPARE(main->AlbumEdit->currentText(), QStringLiteral("First"));
        QCOMPARE(main->YearEdit->currentText(), QStringLiteral("1999"));
        QCOMPARE(main->CommentEdit->currentText(), QStringLiteral("nice"));
        QCOMPARE(main->Genre_CB->currentText(), QStringLiteral("Rock"));
        QVERIFY(main->Genre_CB->count() > 100);
        QCOMPARE(main->Track_ME->text(), QStringLiteral("07"));
        // 3 frames of 417 bytes and a 128-byte trailer: 1379 bytes
        QCOMPARE(main->Panel16->text(), QStringLiteral("1.35 Kb  "));
        QCOMPARE(main->Panel17->text(), QStringLiteral("MPEG  1  Layer  3  "));
        QCOMPARE(main->Panel18->text(), QStringLiteral("Stereo  "));
        QCOMPARE(main->Panel28->text(), QStringLiteral("128 KBit/s  "));
        QCOMPARE(main->Panel31->text(), QStringLiteral("44100  "));
        QCOMPARE(main->Panel32->text(), QStringLiteral("417  "));
        QVERIFY(main->Panel15->text().startsWith(QLatin1String("00 : 00 . 0")));
        QCOMPARE(main->Panel25->text(), QStringLiteral("1 / 3"));

        T_Form3* form3 = Program.Windows().Form3;
        QCOMPARE(form3->Status_Panel->text(), QStringLiteral("Files to process   [ 1 / 3 ]"));
        QCOMPARE(form3->ToProcess(), 1);
        QCOMPARE(form3->TotalFiles(), 3);

        Program.ClickRow(2);
        QCOMPARE(main->Genre_CB->currentText(), QStringLiteral("<unknown>")); // "Other"
        QCOMPARE(main->Track_ME->text(), QStringLiteral("12"));
        Program.ClickRow(1); // no tag: genre 255
        QCOMPARE(main->Genre_CB->currentText(), QStringLiteral("<unknown>"));
        QCOMPARE(main->Track_ME->text(), QStringLiteral("00"));
        QCOMPARE(main->Panel28->text(), QStringLiteral("160 KBit/s  "));
    }

    void SeveralFilesShowTheFocusedOne()
    {
        T_MainForm* main = Program.Main;
        Program.ClickRow(0);
        Program.ClickRow(2, Qt::ControlModifier);
        QCOMPARE(main->CurrentFileName(), Music / "c.mp3");
        QCOMPARE(main->TitleEdit->currentText(), QStringLiteral("Gamma"));
        QCOMPARE(main->Panel25->text(), QStringLiteral("2 / 3"));
        // moving the focus alone within the selection changes the displayed file
        main->ListBox1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        QCOMPARE(main->CurrentFileName(), Music / "a.mp3");
        QCOMPARE(main->TitleEdit->currentText(), QStringLiteral("Alpha"));
    }

    void DeselectingEverythingEmptiesTheBoxes()
    {
        T_MainForm* main = Program.Main;
        // nothing is selected after a scan, and nothing shown
        QCOMPARE(main->CurrentFileName(), std::string());
        QCOMPARE(main->Genre_CB->count(), 0);
        Program.ClickRow(0);
        Program.ClickRow(0, Qt::ControlModifier);
        QCOMPARE(main->CurrentFileName(), std::string());
        QCOMPARE(main->Panel25->text(), QStringLiteral("0 / 3"));
        QVERIFY(main->TitleEdit->currentText().isEmpty());
        QVERIFY(main->Track_ME->text().isEmpty());
        QCOMPARE(main->Genre_CB->count(), 0);
        QCOMPARE(Program.Windows().Form3->Status_Panel->text(),
                 QStringLiteral("No files to process   [ 0 / 3 ]"));
    }

    void SeveralFilesFollowTheEnabledFields()
    {
        T_MainForm* main = Program.Main;
        main->EnabledFields = {false, true, false, false, true, false, false};
        Program.ClickRow(0);
        Program.ClickRow(1, Qt::ControlModifier);
        QVERIFY(main->MultiSelectMode);
        for (int i = 0; i < T_MainForm::FieldCount; ++i) {
            QCOMPARE(main->FieldChecks[i]->isChecked(), main->EnabledFields[i]);
        }
        QVERIFY(!main->TitleEdit->isEnabled());
        QVERIFY(main->ArtistEdit->isEnabled());
        QVERIFY(!main->Track_ME->isEnabled());
        QCOMPARE(main->TitleEdit->palette().color(QPalette::Base),
                 main->palette().color(QPalette::Button));
        QCOMPARE(main->ArtistEdit->palette().color(QPalette::Base), QColor(Qt::white));

        Program.ClickRow(2); // one file again: the user's own choices return
        QVERIFY(!main->MultiSelectMode);
        for (QCheckBox* check : main->FieldChecks) {
            QVERIFY(check->isChecked());
        }
        QVERIFY(main->TitleEdit->isEnabled());
        QVERIFY(main->Track_ME->isEnabled());
    }

    void OneFileChoicesAreKeptWhileChangingFiles()
    {
        T_MainForm* main = Program.Main;
        Program.ClickRow(0);
        main->FieldChecks[1]->setChecked(false); // as a click does: the box follows
        QVERIFY(!main->ArtistEdit->isEnabled());
        Program.ClickRow(1);
        QVERIFY(!main->FieldChecks[1]->isChecked());
        QVERIFY(!main->ArtistEdit->isEnabled());

        main->EnabledFields.fill(true);
        Program.ClickRow(2, Qt::ControlModifier);
        QVERIFY(main->ArtistEdit->isEnabled());
        Program.ClickRow(2);
        QVERIFY(!main->FieldChecks[1]->isChecked());
        QVERIFY(!main->ArtistEdit->isEnabled());
        QVERIFY(main->TitleEdit->isEnabled());
    }

    void PointerOverTheListShowsTheCurrentFile()
    {
        T_MainForm* main = Program.Main;
        Program.ClickRow(2);
        QTest::mouseMove(main->ListBox1->viewport(), QPoint(5, 5));
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(main->ListBox1->viewport(), &move);
        QCOMPARE(main->Panel8->text(), QString::fromStdString(Music.Path().string() + "/"));
        QCOMPARE(main->Panel20->text(), QStringLiteral("c.mp3"));
    }

    void TextBoxesKeepAHistory()
    {
        T_MainForm* main = Program.Main;
        Program.ClickRow(0);
        const auto enter = [](QComboBox* box, const QString& text) {
            box->setEditText(text);
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        };
        enter(main->TitleEdit, QStringLiteral("Morning"));
        enter(main->TitleEdit, QStringLiteral("MORNING"));
        enter(main->TitleEdit, QStringLiteral("Evening"));
        QCOMPARE(main->TitleEdit->count(), 2);
        QCOMPARE(main->TitleEdit->itemText(0), QStringLiteral("Morning"));
        QCOMPARE(main->TitleEdit->lineEdit()->selectedText(), QStringLiteral("Evening"));

        enter(main->Genre_CB, QStringLiteral("no such genre"));
        QCOMPARE(main->Genre_CB->currentText(), QStringLiteral("<unknown>"));
        enter(main->Genre_CB, QStringLiteral("rock"));
        QCOMPARE(main->Genre_CB->currentText().toLower(), QStringLiteral("rock"));
    }

    void PreviewCountsTheNewName()
    {
        T_MainForm* main = Program.Main;
        Program.ClickRow(0);
        main->Edit6->setText(QString(60, QLatin1Char('n')));
        QCOMPARE(main->Label15->text(), QString(60, QLatin1Char('n')));
        QCOMPARE(main->NrOfChars_Panel->text(), QStringLiteral("64"));
        QCOMPARE(main->NrOfChars_Panel->palette().color(QPalette::WindowText), QColor(Qt::black));
        main->Edit6->setText(QString(61, QLatin1Char('n')));
        QCOMPARE(main->NrOfChars_Panel->text(), QStringLiteral("65"));
        QCOMPARE(main->NrOfChars_Panel->palette().color(QPalette::WindowText), QColor(Qt::red));
        main->Edit6->setText(QStringLiteral("sub\\%t,t%"));
        QCOMPARE(main->Label15->text(), QStringLiteral("sub\\Alpha"));
        QCOMPARE(main->NrOfChars_Panel->text(), QStringLiteral("9"));
    }

    void NameToId3HandsTheCountsOver()
    {
        T_MainForm* main = Program.Main;
        Program.ClickRow(0);
        Program.ClickRow(1, Qt::ControlModifier);
        main->Change_Tag_SB->click();
        T_Form3* form3 = Program.Windows().Form3;
        QVERIFY(form3->isVisible());
        QCOMPARE(form3->ToProcess(), 2);
        QCOMPARE(form3->Index_Panel->text(), QStringLiteral("[ 1 / 2 ]"));
        QCOMPARE(form3->Status_Panel->text(), QStringLiteral("Files to process   [ 2 / 3 ]"));
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
        moveTo(main->Write_Tag_SB, main->Write_Tag_SB->rect().center());
        QTRY_COMPARE(main->HoveredButton, QStringLiteral("Write_Tag_SB"));
        QCOMPARE(colourOf(main->Write_Tag_SB), QColor(Qt::red));
        QCOMPARE(colourOf(main->Html_SB), QColor(Qt::black));
        moveTo(main->Macro_SB, main->Macro_SB->rect().center());
        QTRY_COMPARE(colourOf(main->Macro_SB), QColor(Qt::red));
        QCOMPARE(colourOf(main->Write_Tag_SB), QColor(Qt::black));
        QWidget* strip = Program.Find<QWidget>("Panel9");
        moveTo(strip, QPoint(1, 1));
        QTRY_VERIFY(main->HoveredButton.isEmpty());
        QCOMPARE(colourOf(main->Macro_SB), QColor(Qt::black));
    }

private:
    TTempDir Music;
    TMainWindowHarness Program;
};

QTEST_MAIN(TMainFormSelectionTest)
#include "main_form_selection_test.moc"
