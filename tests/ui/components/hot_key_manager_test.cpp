#include "ui/components/hot_key_manager.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

namespace {

// Stands in for the main window: a few of its boxes, and its key map run on key release.
class TStandInWindow : public QWidget
{
public:
    TStandInWindow()
    {
        TitleCheck->setChecked(true);
        CommentCheck->setChecked(true);
        HotKey->SetOnKeyDown([this](THotKeyManager&, std::uint16_t& key, TShiftState) {
            Downs.push_back(key);
            if (key == SwallowedKey) {
                key = 0;
            } else if (key == ReplacedKey) {
                key = 'Z';
            }
        });
        HotKey->SetOnKeyUp([this](THotKeyManager&, std::uint16_t& key, TShiftState shift) {
            Ups.push_back(key);
            for (const TMainKeyCommand command : MainKeyCommands(key, shift)) {
                Run(command);
            }
        });
        HotKey->Loaded();
    }

    void Run(TMainKeyCommand command)
    {
        switch (command) {
        case TMainKeyCommand::FocusMacro:
            Macro->setFocus();
            break;
        case TMainKeyCommand::ToggleTitle:
            TitleCheck->toggle();
            break;
        case TMainKeyCommand::ToggleComment:
            CommentCheck->toggle();
            break;
        case TMainKeyCommand::Errors:
            ErrorWindow.show();
            break;
        default:
            break;
        }
    }

    QLineEdit* Comment = new QLineEdit(this);
    QLineEdit* Macro = new QLineEdit(this);
    QCheckBox* TitleCheck = new QCheckBox(this);
    QCheckBox* CommentCheck = new QCheckBox(this);
    QWidget ErrorWindow;
    THotKeyManager* HotKey = new THotKeyManager(this);
    std::vector<std::uint16_t> Downs;
    std::vector<std::uint16_t> Ups;
    std::uint16_t SwallowedKey = 0;
    std::uint16_t ReplacedKey = 0;
};

using TKeys = std::vector<std::uint16_t>;

} // namespace

class HotKeyManagerTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TStandInWindow> Window;

    void Activate(QWidget& window)
    {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

private slots:
    void init()
    {
        Window = std::make_unique<TStandInWindow>();
        Activate(*Window);
        Window->Comment->setFocus();
    }

    void cleanup() { Window.reset(); }

    void KeysReachTheHandlersOnceAndStillReachTheBox()
    {
        TStandInWindow& w = *Window;
        QTest::keyClick(w.Comment, Qt::Key_T, Qt::ControlModifier);
        // the modifier is a key of its own
        QCOMPARE(w.Downs, (TKeys{0x11, 0x54}));
        QCOMPARE(w.Ups, (TKeys{0x54, 0x11}));
        QVERIFY(!w.TitleCheck->isChecked());
        QTest::keyClick(w.Comment, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(w.TitleCheck->isChecked());

        // Alt+Ctrl+E runs both groups
        QTest::keyClick(w.Comment, Qt::Key_E, Qt::AltModifier | Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), w.Macro);
        QVERIFY(w.ErrorWindow.isVisible());
        w.ErrorWindow.hide();
        Activate(w);

        // Ctrl+C toggles the comment check box and the box still copies
        w.Comment->setFocus();
        w.Comment->setText("Blue Sky");
        w.Comment->selectAll();
        QTest::keyClick(w.Comment, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(!w.CommentCheck->isChecked());
        QCOMPARE(QApplication::clipboard()->text(), QString("Blue Sky"));

        // function and keypad keys arrive as themselves, never as the letters of their codes
        w.Ups.clear();
        QTest::keyClick(w.Comment, Qt::Key_F1, Qt::AltModifier);
        QTest::keyClick(w.Comment, Qt::Key_1, Qt::AltModifier | Qt::KeypadModifier);
        QTest::keyClick(w.Comment, Qt::Key_Exclam, Qt::ShiftModifier);
        QCOMPARE(w.Ups, (TKeys{0x70, 0x12, 0x61, 0x12, 0x31, 0x10}));
        QCOMPARE(QApplication::focusWidget(), w.Comment);

        // a key bound to a shortcut reaches the handler as well as the shortcut
        QAction action(&w);
        action.setShortcut(Qt::CTRL | Qt::Key_K);
        w.addAction(&action);
        QSignalSpy triggered(&action, &QAction::triggered);
        w.Downs.clear();
        QTest::keyClick(w.Comment, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(w.Downs, (TKeys{0x11, 0x4B}));
    }

    void HandlersSwallowOrReplaceKeys()
    {
        TStandInWindow& w = *Window;
        w.SwallowedKey = 'X';
        w.ReplacedKey = 'Y';
        QTest::keyClicks(w.Comment, "axbyc");
        QCOMPARE(w.Comment->text(), QString("abzc"));
    }

    void OnlyGlobalManagersHearOtherWindows()
    {
        TStandInWindow& w = *Window;
        QWidget other;
        Activate(other);
        QTest::keyClick(&other, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(w.Ups.empty());
        QVERIFY(w.TitleCheck->isChecked());

        w.HotKey->AppGlobal = true;
        QTest::keyClick(&other, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(w.Ups, (TKeys{0x54, 0x11}));
    }

    void FilterFollowsTheEnabledManagersWithHandlers()
    {
        Window.reset();
        QVERIFY(TManagersList::Instance() == nullptr);
        QWidget owner;
        auto* idle = new THotKeyManager(&owner);
        QVERIFY(!TManagersList::Instance()->FilterInstalled());
        idle->SetOnKeyUp([](THotKeyManager&, std::uint16_t&, TShiftState) {});
        QVERIFY(TManagersList::Instance()->FilterInstalled());
        idle->SetEnabled(false);
        QVERIFY(!TManagersList::Instance()->FilterInstalled());

        // a handler that destroys managers, its own among them, while the key is handed out
        auto* second = new THotKeyManager(&owner);
        second->AppGlobal = true;
        second->SetOnKeyUp([&](THotKeyManager&, std::uint16_t&, TShiftState) {
            delete idle;
            delete second;
        });
        QTest::keyClick(&owner, Qt::Key_A);
        QVERIFY(TManagersList::Instance() == nullptr);
    }
};

QTEST_MAIN(HotKeyManagerTest)
#include "hot_key_manager_test.moc"
