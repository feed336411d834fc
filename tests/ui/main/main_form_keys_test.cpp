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
    QStringList Clicked; // the main window's buttons clicked since the start
    QTemporaryDir WorkingFolder;

    void StartActive()
    {
        ClearSettingsStore();
        Program.Start();
        Program.Main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Program.Main));
        Program.Find<QWidget>("ListBox1")->setFocus();
        Clicked.clear();
        for (QAbstractButton* button : Program.Main->findChildren<QAbstractButton*>()) {
            connect(button, &QAbstractButton::clicked, this,
                    [this, button] { Clicked << button->objectName(); });
        }
    }
    bool Focused(const char* name) const
    {
        return Program.Main->focusWidget() == Program.Find<QWidget>(name);
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
    void cleanup()
    {
        QToolTip::hideText();
        Program.Stop();
    }

    void KeysDoWhatTheShortcutListSays()
    {
        const auto boxOn = [this](const char* box) {
            return Program.Find<QWidget>(box)->isEnabled();
        };
        const auto opened = [this] { return Program.Prompts.OpenedUrls.join(' '); };
        const std::pair<const char*, std::function<bool()>> rows[] = {
            {"Alt+T", [&] { return Focused("TitleEdit"); }},
            {"Alt+F", [&] { return Focused("ListBox1"); }},     // the hidden list is left alone
            {"Alt+Num+1", [&] { return Focused("ListBox1"); }}, // 0x61 is no "a"
            {"Alt+P", [&] { return Program.Work().WholePathMode; }},
            {"Alt+U", [&] { return Program.Work().RecursiveScan && Program.Listed().isEmpty(); }},
            {"Alt+I", [&] { return Program.Find<QWidget>("Edit6")->toolTip().isEmpty(); }},
            {"Alt+>", [&] { return Program.Find<QWidget>("Panel2")->width() == 105; }},
            {"Alt+W", [&] { return Clicked == QStringList{"Write_Tag_SB"}; }},
            {"Alt+L", [&] { return Clicked == QStringList{"ClearTags_SB"}; }},
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
            {"Ctrl+T", [&] { return !Program.FieldCheck(0)->isChecked() && !boxOn("TitleEdit"); }},
            {"Ctrl+T, Ctrl+T",
             [&] { return Program.FieldCheck(0)->isChecked() && boxOn("TitleEdit"); }},
            {"Ctrl+R", [&] { return !Program.FieldCheck(6)->isChecked() && !boxOn("Track_ME"); }},
        };
        for (const auto& [keys, done] : rows) {
            StartActive();
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(QLatin1String(keys)));
            // the captions' accelerators click a moment later, as a mouse click would
            QTRY_VERIFY2_WITH_TIMEOUT(done(), keys, 1000);
            Program.Stop();
        }
    }

    void CtrlCInTheCommentBoxSwitchesItAndStillCopies()
    {
        StartActive();
        QLineEdit* comment = Program.Find<QComboBox>("CommentEdit")->lineEdit();
        comment->setFocus();
        comment->setText(QStringLiteral("live take"));
        comment->selectAll();
        QTest::keyClick(comment, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(!Program.FieldCheck(4)->isChecked());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("live take"));
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
        TForm4* about = Program.Windows().Form4;
        about->show();
        const auto tipShown = [about] {
            QHelpEvent help(QEvent::ToolTip, QPoint(2, 2),
                            about->Label1->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(about->Label1, &help);
            return QToolTip::isVisible();
        };
        for (const bool on : {false, true}) {
            QTest::mouseClick(Program.Find<TPanel>("Panel4"), Qt::LeftButton, {}, {2, 30});
            for (const auto& [control, hint] : hints) {
                QCOMPARE(control->toolTip(), on ? hint : QString());
            }
            QCOMPARE(tipShown(), on);
        }
    }
};

QTEST_MAIN(TMainFormKeysTest)
#include "main_form_keys_test.moc"
