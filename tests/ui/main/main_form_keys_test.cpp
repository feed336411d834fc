#include "ui/auxiliary/about_form.h"
#include "ui/auxiliary/keys_form.h"
#include "ui/components/panel.h"
#include "ui/extract/extract_form.h"
#include "ui/main/main_window_harness.h"

#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include <fstream>
#include <functional>

// The main window's shortcuts and its hint switch, as the user presses them.
class TMainFormKeysTest : public QObject
{
    Q_OBJECT

    TMainWindowHarness Program;
    QTemporaryDir WorkingFolder;

    // Starts the program with the comment box focused and its text selected.
    void StartActive()
    {
        ClearSettingsStore();
        Program.Start();
        Program.Main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Program.Main));
        QLineEdit* comment = Program.Find<QComboBox>("CommentEdit")->lineEdit();
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
    static bool Shown(const char* window)
    {
        const auto windows = QApplication::topLevelWidgets();
        return std::any_of(windows.begin(), windows.end(), [window](QWidget* w) {
            return w->objectName() == QLatin1String(window) && w->isVisible();
        });
    }

private slots:
    void initTestCase()
    {
        // a scan of the working folder would list this file
        std::ofstream(WorkingFolder.filePath("stray.mp3").toStdString()) << Mp3At(128);
        QDir::setCurrent(WorkingFolder.path());
    }
    void cleanup() { Program.Stop(); }

    void KeysDoWhatTheShortcutListSays()
    {
        const auto opened = [this] { return Program.Prompts.OpenedUrls.join(' '); };
        const std::pair<const char*, std::function<bool()>> rows[] = {
            {"Alt+T", [&] { return Focused("TitleEdit"); }},
            {"Alt+F", [&] { return Focused("CommentEdit"); }},     // the hidden list is left alone
            {"Alt+Num+1", [&] { return Focused("CommentEdit"); }}, // 0x61 is no "a"
            {"Alt+P", [&] { return Program.Work().WholePathMode; }},
            {"Alt+U", [&] { return Program.Work().RecursiveScan && Program.Listed().isEmpty(); }},
            {"Alt+I", [&] { return Program.Find<QWidget>("Edit6")->toolTip().isEmpty(); }},
            {"Alt+>", [&] { return Program.Find<QWidget>("Panel2")->width() == 105; }},
            {"Alt+N", [&] { return Shown("_Form3"); }},
            {"Alt+M", [&] { return Shown("Macro_Form"); }},
            {"Alt+Ctrl+E", [&] { return Focused("Edit6") && Shown("_ErrorForm"); }},
            {"Ctrl+O", [&] { return Program.Prompts.FolderRequests.size() == 1; }},
            {"Ctrl+S", [&] { return Shown("_SettingsForm"); }},
            {"Ctrl+H", [&] { return Shown("Form2"); }},
            {"Ctrl+U", [&] { return Shown("Form4"); }},
            {"Ctrl+M", [&] { return opened() == "mailto:cantrel@velmor.example"; }},
            {"Ctrl+P", [&] { return opened() == "https://velmor.example/cantrel"; }},
            {"Ctrl+F1", [&] { return opened().isEmpty(); }}, // 0x70 is no "p"
            {"Ctrl+T", [&] { return Field(0, "TitleEdit", false); }},
            {"Ctrl+T, Ctrl+T", [&] { return Field(0, "TitleEdit", true); }},
            // the key still reaches the box
            {"Ctrl+C",
             [&] {
                 return Field(4, "CommentEdit", false) &&
                        QApplication::clipboard()->text() == "live take";
             }},
        };
        for (const auto& [keys, done] : rows) {
            StartActive();
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(QLatin1String(keys)));
            // the captions' accelerators click a moment later, as a mouse click does
            QTRY_VERIFY2_WITH_TIMEOUT(done(), keys, 1000);
            Program.Stop();
        }
    }

    void KeysOfAnotherActiveWindowStayThere()
    {
        StartActive();
        QWidget* keys = Program.Windows().KeysForm;
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
                                static_cast<QWidget*>(Program.Windows().Form3)}) {
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (!control->toolTip().isEmpty()) {
                    hints.emplace_back(control, control->toolTip());
                }
            }
        }
        QVERIFY(hints.size() >= 30);
        QLabel* mail = Program.Windows().Form4->Label1;
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), mail->mapToGlobal(QPoint(2, 2)));
        for (const bool on : {false, true}) {
            QTest::mouseClick(Program.Find<TPanel>("Panel4"), Qt::LeftButton, {}, {2, 30});
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

QTEST_MAIN(TMainFormKeysTest)
#include "main_form_keys_test.moc"
