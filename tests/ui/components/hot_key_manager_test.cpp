#include "ui/components/hot_key_manager.h"

#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

// What the window's key map does with the keys is checked in main_form_keys_test; here only
// the manager: what reaches its handlers, swallowing, global managers and its event filter.
namespace {

using TKeys = std::vector<std::uint16_t>;

class TOwner : public QWidget
{
public:
    TOwner()
    {
        HotKey->SetOnKeyDown([this](THotKeyManager&, std::uint16_t& key, TShiftState) {
            Downs.push_back(key);
            if (key == 'X') {
                key = 0;
            } else if (key == 'Y') {
                key = 'Z';
            }
        });
        HotKey->SetOnKeyUp(
            [this](THotKeyManager&, std::uint16_t& key, TShiftState) { Ups.push_back(key); });
        HotKey->Loaded();
    }

    QLineEdit* Box = new QLineEdit(this);
    THotKeyManager* HotKey = new THotKeyManager(this);
    TKeys Downs;
    TKeys Ups;
};

void Activate(QWidget& window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class HotKeyManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void KeysReachTheHandlersAndTheBox()
    {
        TOwner w;
        Activate(w);
        w.Box->setFocus();
        // the modifier is a key of its own
        QTest::keyClick(w.Box, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(w.Downs, (TKeys{0x11, 0x54}));
        QCOMPARE(w.Ups, (TKeys{0x54, 0x11}));

        // handlers swallow or replace keys
        QTest::keyClicks(w.Box, "axbyc");
        QCOMPARE(w.Box->text(), QString("abzc"));

        // a key bound to a shortcut reaches the handler as well as the shortcut
        QAction action(&w);
        action.setShortcut(Qt::CTRL | Qt::Key_K);
        w.addAction(&action);
        QSignalSpy triggered(&action, &QAction::triggered);
        w.Downs.clear();
        QTest::keyClick(w.Box, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(w.Downs, (TKeys{0x11, 0x4B}));

        // only global managers hear other windows
        w.Ups.clear();
        QWidget other;
        Activate(other);
        QTest::keyClick(&other, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(w.Ups.empty());
        w.HotKey->AppGlobal = true;
        QTest::keyClick(&other, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(w.Ups, (TKeys{0x54, 0x11}));
    }

    void FilterFollowsTheEnabledManagersWithHandlers()
    {
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
