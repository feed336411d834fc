#include "cli/commands.h"
#include "settings/stored_settings.h"
#include "ui/auxiliary/error_window.h"
#include "ui/components/panel.h"
#include "ui/extract/extraction_window.h"
#include "ui/extract/replace_dialog.h"
#include "ui/main/main_window_harness.h"

#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include <filesystem>
#include <sstream>

// The extraction window driven as the user drives it, from the main window's button.
class TExtractFormTest : public QObject
{
    Q_OBJECT

    TMainWindowHarness Program;

    TExtractionWindow* Form() const { return Program.Windows().ExtractionWindow; }
    template <typename T> T* Control(const char* name) const
    {
        return Form()->findChild<T*>(QLatin1String(name));
    }
    QString Text(const char* name) const { return Control<QLineEdit>(name)->text(); }
    void Click(const char* name) const { Control<QToolButton>(name)->click(); }
    void OpenWindow() const { Program.Find<QToolButton>("NameToTagButton")->click(); }
    // The twelve boxes: separators, then field indexes.
    void SetFormula(const QStringList& seps, const std::vector<int>& fields) const
    {
        for (int k = 0; k < 6; ++k) {
            Control<QLineEdit>(qPrintable(QStringLiteral("SeparatorBox%1").arg(k + 1)))
                ->setText(seps[k]);
            Control<QComboBox>(qPrintable(QStringLiteral("FieldBox%1").arg(k + 1)))
                ->setCurrentIndex(fields[k]);
        }
    }
    QString Shown() const { return Text("ExtractionTextBox").section(QLatin1Char('/'), -1); }

private slots:
    void init()
    {
        ClearSettingsStore();
        Program.Start();
    }
    void cleanup() { Program.Stop(); }

    void FormulaListKeepsItsEntriesAcrossStarts()
    {
        OpenWindow();
        QVERIFY(!Program.Find<QListView>("FileList")->isVisible());
        QCOMPARE(Text("SeparatorBox2"), QStringLiteral(" [ ")); // an empty list shows the default
        for (const char* sep : {" #1 ", " #2 ", " #3 "}) {
            Control<QLineEdit>("SeparatorBox5")->setText(QLatin1String(sep));
            Control<QComboBox>("FieldBox6")->setCurrentIndex(sep[2] == '3' ? 6 : 5);
            Click("AddFormulaButton");
        }
        auto* list = Control<QComboBox>("FormulaListBox");
        list->setCurrentIndex(0);
        Program.Prompts.AnswerConfirm(true);
        Click("DeleteFormulaButton");
        QCOMPARE(Program.Prompts.Questions.last().Text,
                 QStringLiteral("Delete : Track [ Artist - Album ] - Title #1 Year ?"));
        QCOMPARE(Text("SeparatorBox5"), QStringLiteral(" #2 "));
        Click("CancelButton");
        QVERIFY(Program.Find<QListView>("FileList")->isVisible());

        Program.Stop();
        Program.Start();
        OpenWindow();
        list = Control<QComboBox>("FormulaListBox");
        QCOMPARE(list->count(), 2);
        list->setCurrentIndex(1);
        QCOMPARE(Text("SeparatorBox5"), QStringLiteral(" #3 "));
        QCOMPARE(Control<QComboBox>("FieldBox6")->currentIndex(), 6);

        Program.Prompts.AnswerConfirm(false);
        Click("ClearListButton");
        QCOMPARE(list->count(), 2);
        Program.Prompts.AnswerConfirm(true);
        Click("ClearListButton");
        QCOMPARE(Control<QLabel>("ListSizePanel")->text(), QStringLiteral("0 Items in List"));
        QCOMPARE(Text("SeparatorBox5"), QStringLiteral(" #3 ")); // the boxes keep their contents
        Click("AddFormulaButton");
        Program.Prompts.AnswerConfirm(true);
        Click("DeleteFormulaButton");
        QCOMPARE(Text("SeparatorBox5"), QString()); // the last one gone: the default formula
        QCOMPARE(Control<QComboBox>("FieldBox6")->currentIndex(), 5);

        // the list holds at most 255 formulas
        Click("CancelButton");
        {
            TSettingsBatch batch;
            WriteFormulaList(batch, {std::vector<TTagFormula>(254, DefaultFormula()), 3});
        }
        OpenWindow();
        QCOMPARE(list->currentIndex(), 3);
        Click("AddFormulaButton");
        Click("AddFormulaButton");
        QCOMPARE(list->count(), 255);
        QCOMPARE(ReadFormulaList(TSettingsBatch()).Formulas.size(), 255u);
    }

    void SteppingVisitsTheFilesToProcess()
    {
        TTempDir music;
        for (int i = 0; i < 8; ++i) {
            WriteBytes(music / QStringLiteral("f%1.mp3").arg(i).toStdString(), Mp3At(128));
        }
        Program.Open(music.Path().string());
        Program.ClickRow(6);
        Program.ClickRow(5, Qt::ControlModifier);
        Program.ClickRow(2, Qt::ControlModifier);
        OpenWindow();
        QCOMPARE(Shown(), QStringLiteral("f2.mp3"));
        QVERIFY(Control<QToolButton>("PreviousButton")->isEnabled());
        // released Ctrl and Shift digits focus a separator and a field list; keypad digits do not
        Form()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form()));
        for (const auto& [keys, focused] :
             {std::pair{"Ctrl+3", "SeparatorBox3"}, {"Shift+2", "FieldBox2"}}) {
            QTest::keySequence(Form(), QKeySequence(QLatin1String(keys)));
            QTRY_COMPARE(QApplication::focusWidget()->objectName(), QLatin1String(focused));
        }
        const struct
        {
            const char* Button;
            QString File;
            QString Index;
        } steps[] = {{"NextButton", "f5.mp3", "[ 2 / 3 ]"},
                     {"NextButton", "f6.mp3", "[ 3 / 3 ]"},
                     {"NextButton", "f6.mp3", "[ 3 / 3 ]"},
                     {"PreviousButton", "f5.mp3", "[ 2 / 3 ]"}};
        for (const auto& step : steps) {
            Click(step.Button);
            QCOMPARE(Shown(), step.File);
            QCOMPARE(Control<QLabel>("StepCounterPanel")->text(), step.Index);
        }
        QTest::keyRelease(Control<QLineEdit>("SeparatorBox3"), Qt::Key_Up);
        QCOMPARE(Shown(), QStringLiteral("f2.mp3"));
        Click("CancelButton");

        // in whole-path mode every listed file is stepped through, stopping at the last, and
        // counted as the main window counts them
        Program.Find<TPanel>("WholePathPanel")->Clicked();
        Program.ClickRow(5);
        OpenWindow();
        QCOMPARE(Control<QLabel>("StepCounterPanel")->text(), QStringLiteral("[ 1 / 8 ]"));
        for (const char* index : {"[ 2 / 8 ]", "[ 3 / 8 ]", "[ 4 / 8 ]"}) {
            Click("NextButton");
            QCOMPARE(Control<QLabel>("StepCounterPanel")->text(), QLatin1String(index));
        }
        QCOMPARE(Shown(), QStringLiteral("f7.mp3"));
        QCOMPARE(Program.Main->CurrentFileName(), music / "f7.mp3");
        Click("CancelButton");

        Program.Find<TPanel>("WholePathPanel")->Clicked(); // one file: nothing to step to
        Program.ClickRow(3);
        OpenWindow();
        QVERIFY(!Control<QToolButton>("NextButton")->isEnabled());
        // the pointer over another button leaves the disabled ones looking disabled
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(Control<QToolButton>("OkButton"), &enter);
        const QPalette colours = Control<QToolButton>("NextButton")->palette();
        QCOMPARE(colours.color(QPalette::Disabled, QPalette::ButtonText),
                 QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText));
        QCOMPARE(Control<QToolButton>("OkButton")->palette().color(QPalette::ButtonText),
                 QColor(Qt::red));
    }

    // The preview is drawn again when a pair is added and on every click on a case option,
    // the one already chosen included; the replace dialog is small and of a fixed size.
    void PreviewFollowsPairsAndCaseClicks()
    {
        TTempDir music;
        WriteBytes(music / "a_b.mp3", Mp3At(128));
        Program.Open(music.Path().string());
        Program.ClickRow(0);
        OpenWindow();
        auto* preview = Control<QPlainTextEdit>("AllTagsPreview");
        preview->clear();
        Click("ReplaceDialogButton");
        TReplaceDialog* dialog = Program.Windows().ReplaceDialog;
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QVERIFY(dialog->width() < 400 && dialog->height() < 200);
        dialog->findChild<QLineEdit*>("WhatBox")->setText("a");
        dialog->findChild<QToolButton*>("AddButton")->click();
        QVERIFY(!preview->toPlainText().isEmpty());
        preview->clear();
        Control<QRadioButton>("NoCaseButton")->click();
        QVERIFY(!preview->toPlainText().isEmpty());
    }

    void WholePathBatchWritesWhatTheCommandLineWrites()
    {
        TTempDir music;
        TTempDir copies;
        std::vector<std::string> names;
        for (int i = 1; i <= 10; ++i) {
            names.push_back(i == 4 ? "no dash.mp3"
                                   : QStringLiteral("%1 - some_song %1.mp3").arg(i).toStdString());
            const std::string bytes =
                Mp3At(128, i % 2 ? MakeTrailer("Old", "Ann", "Best", "1999", "x", 5, 17) : "");
            WriteBytes(music / names.back(), bytes);
            WriteBytes(copies / names.back(), bytes);
        }
        Program.Open(music.Path().string());
        Program.Find<QCheckBox>("WholePathBox")->setChecked(true);
        Program.Work().Options.WriteId3v2 = true; // the same as --id3v2 below
        Program.ClickRow(0);
        OpenWindow();
        Click("TogglePathButton");
        // the title starts with a blank, which only the trimming takes away
        SetFormula({"", " -", "", "", "", ""}, {0, 3, 2, 3, 4, 5});
        Control<QRadioButton>("CapitalizeButton")->click();
        Control<QCheckBox>("PreserveOtherTagBox")->click();
        Control<QCheckBox>("AutoTrimSpacesBox")->click();
        QCOMPARE(Control<QPlainTextEdit>("ExtractedPreview")->toPlainText(),
                 QStringLiteral("Track    =1\nTitle    =Some Song 1"));

        QSignalSpy progress(Form(), &TExtractionWindow::ProgressReported);
        QSignalSpy rows(Form(), &TExtractionWindow::CurrentRowRequested); // the main list follows
        Program.Prompts.AnswerConfirm(true);
        Click("OkButton");
        QCOMPARE(progress.size(), 10);
        QCOMPARE(progress.last().at(2).toString(), QStringLiteral("10 / 10"));
        QCOMPARE(rows.size(), 10);
        QCOMPARE(rows.last().at(0).toInt(), 9);
        QVERIFY(!Program.Work().WholePathMode);
        QVERIFY(!Form()->isVisible());
        TErrorWindow* errors = Program.Windows().ErrorWindow;
        QCOMPARE(errors->Lines(), QStringList({"no dash.mp3"})); // no header: path excluded

        std::vector<std::string> args = {"--sep",   "",        "--sep",   " -",     "--field",
                                         "Track",   "--field", "Title",   "--case", "capitalize",
                                         "--clear", "--trim",  "--write", "--id3v2"};
        for (const std::string& name : names) {
            args.push_back(copies / name);
        }
        std::ostringstream out;
        std::ostringstream err;
        QCOMPARE(RunCommandLine("extract", RunExtractCommand, args, out, err), 1);
        for (const std::string& name : names) {
            QVERIFY2(ReadBytes(music / name) == ReadBytes(copies / name), name.c_str());
        }
    }

    void TextsTheCodePageLacksAreShownAndAskedFor()
    {
        TTempDir music;
        const std::string cyrillic = "\xD0\x92\xD0\xB5\xD1\x87";
        const std::string old = Mp3At(128, MakeTrailer("Old", "Ann", "Best", "1999", "x", 5, 17));
        const std::string lossy = WriteBytes(music / (cyrillic + ".mp3"), old);
        const std::string plain = WriteBytes(music / "Song.mp3", old);
        Program.Open(music.Path().string());
        Program.Find<QCheckBox>("WholePathBox")->setChecked(true);
        Program.ClickRow(1);
        OpenWindow();
        Click("TogglePathButton");
        SetFormula({"", "", "", "", "", ""}, {3, 1, 2, 3, 4, 5}); // the name is the title
        QVERIFY(
            Control<QPlainTextEdit>("AllTagsPreview")->toPlainText().contains("Title    = ???\n"));
        Program.Prompts.AnswerConfirm(true);  // every file in the path
        Program.Prompts.AnswerConfirm(false); // but no "?" for what the code page lacks
        Click("OkButton");
        QVERIFY(Program.Prompts.Questions.last().Text.startsWith("1 files have characters"));
        QVERIFY(ReadBytes(lossy) == old);
        QVERIFY(ReadBytes(plain) != old);
        QVERIFY(Program.Windows().ErrorWindow->Lines().join('\n').contains("cannot hold"));
    }

    void FaultyFilesAreListedUnderTheirFolders()
    {
        TTempDir music;
        WriteBytes(music / "a/x.mp3", Mp3At(128));
        WriteBytes(music / "a/y.mp3", Mp3At(128));
        WriteBytes(music / "b/1 - fine.mp3", Mp3At(128));
        WriteBytes(music / "b/z.mp3", Mp3At(128));
        const std::string locked = WriteBytes(music / "b/2 - locked.mp3", Mp3At(128));
        std::filesystem::permissions(locked, std::filesystem::perms::owner_read);
        Program.Open(music.Path().string());
        Program.Find<TPanel>("ScanModeBar")->Clicked(); // every folder below
        Program.Find<QCheckBox>("WholePathBox")->setChecked(true);
        Program.ClickRow(0);
        OpenWindow();
        SetFormula({"", " - ", "", "", "", ""}, {6, 3, 2, 3, 4, 5}); // the path is thrown away
        Program.Prompts.AnswerConfirm(true);
        Click("OkButton");
        const QString a = QString::fromStdString(ExtractionText(music / "a/", true));
        const QString b = QString::fromStdString(ExtractionText(music / "b/", true));
        const QStringList lines = Program.Windows().ErrorWindow->Lines();
        QCOMPARE(lines.mid(0, 5), QStringList({"", a, "----", "x.mp3", "y.mp3"}));
        QCOMPARE(lines.mid(5, 4), QStringList({"", b, "----", "2 - locked.mp3"}));
        QVERIFY(lines.at(9).startsWith(QLatin1String("not written")));
        QCOMPARE(lines.mid(10), QStringList({"z.mp3"}));
        QVERIFY(Program.Windows().ErrorWindow->isVisible());
    }

    void ReplaceDialogKeepsThePairsApart()
    {
        using TPairs = std::vector<TReplacePair>;
        // Button: add (true) or delete (false)
        const struct
        {
            const char* Rule;
            TPairs Before;
            QString What, With;
            bool Add;
            TPairs After;
            int Selected, Messages;
        } rows[] = {
            {"new pair", {{"_", " "}}, "-", " ", true, {{"_", " "}, {"-", " "}}, 1, 0},
            {"case-equal what", {{"a", "b"}}, "A", " ", true, {{"a", "b"}}, 0, 0},
            {"empty with", {{"_", " "}}, "x", "", true, {{"_", " "}}, 0, 1},
            {"both empty", {{"_", " "}}, "", "", true, {{"_", " "}}, 0, 2},
            {"delete first", {{"_", " "}, {"-", "+"}}, "_", "", false, {{"-", "+"}}, 0, 0},
            {"delete only", {{"_", " "}}, "_", "", false, {}, -1, 0},
        };
        TReplaceDialog* dialog = Program.Windows().ReplaceDialog;
        for (const auto& row : rows) {
            Form()->ReplacePairs() = {row.Before, 0};
            Form()->ShowReplacePairs();
            Program.Prompts.Messages.clear();
            Click("ReplaceDialogButton");
            QVERIFY(dialog->isVisible());
            QCOMPARE(dialog->findChild<QLineEdit*>("WhatBox")->text(),
                     QString::fromStdString(row.Before[0].What));
            dialog->findChild<QLineEdit*>("WhatBox")->setText(row.What);
            dialog->findChild<QLineEdit*>("WithBox")->setText(row.With);
            dialog->findChild<QToolButton*>(row.Add ? "AddButton" : "DeleteButton")->click();
            QVERIFY2(Form()->ReplacePairs().Pairs == row.After, row.Rule);
            QVERIFY2(Form()->ReplacePairs().Selected == row.Selected, row.Rule);
            QVERIFY2(Program.Prompts.Messages.size() == row.Messages, row.Rule);
            QVERIFY2(dialog->isVisible() == (row.Messages > 0), row.Rule);
            QCOMPARE(Control<QComboBox>("ReplaceWithBox")->count(), int(row.After.size()));
            QCOMPARE(Control<QComboBox>("ReplaceWhatBox")->currentIndex(), row.Selected);
            if (row.Messages == 2) {
                QCOMPARE(Program.Prompts.Messages.last().Text,
                         QStringLiteral("Replace what with \"\" ?"));
            }
            dialog->hide();
        }
    }
};

QTEST_MAIN(TExtractFormTest)
#include "extraction_window_test.moc"
