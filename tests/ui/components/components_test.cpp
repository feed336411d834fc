#include "settings/stored_settings.h"
#include "ui/components/browse_directory_dlg.h"
#include "ui/components/form_info.h"
#include "ui/components/hot_key_manager.h"
#include "ui/components/locale_settings.h"
#include "ui/components/qt_prompts.h"
#include "ui/support/scripted_prompts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

using TKeys = std::vector<std::uint16_t>;

// A window whose key manager records the keys, swallows X and turns Y into Z.
class TKeyOwner : public QWidget
{
public:
    TKeyOwner()
    {
        HotKey->SetOnKeyDown([this](THotKeyManager&, std::uint16_t& key, TShiftState) {
            Downs.push_back(key);
            key = key == 'X' ? 0 : key == 'Y' ? 'Z' : key;
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

// A window with its placement component, stored under the program's own names.
struct TPlaced
{
    explicit TPlaced(const QString& name, QSize size = {250, 150}, QPoint pos = {20, 30})
    {
        Widget.setObjectName(name);
        Widget.resize(size);
        Widget.move(pos);
        Info = new TFormInfo(&Widget);
        Info->Company = RegCompany;
        Info->AppName = RegAppName;
    }
    QWidget Widget;
    TFormInfo* Info;
};

// Acts on the modal dialog as soon as the prompt has opened it.
void WhenModal(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog != nullptr);
        action(dialog);
    });
}

} // namespace

// The parts the windows share: folder picker, placement, key manager, time format and the
// prompts of the desktop.
class TComponentsTest : public QObject
{
    Q_OBJECT

private slots:
    void FolderPickerOpensAtWhatIsLeft()
    {
        QTemporaryDir temp;
        const QString album = temp.path() + "/Music/Old Album";
        QVERIFY(QDir().mkpath(album));
        TScriptedPrompts prompts;
        TBrowseDirectoryDlg dlg(prompts, nullptr);
        dlg.Caption = "Set Path";
        dlg.Title = "Pick a folder";
        prompts.AnswerFolder(album + "/");
        QVERIFY(dlg.Execute());
        QCOMPARE(dlg.Selection, album);
        const TScriptedPrompts::TFolderRequest first = prompts.FolderRequests[0];
        QCOMPARE(first.Title, QString("Set Path - Pick a folder"));
        QCOMPARE(first.Root, QDir::homePath());
        QCOMPARE(first.Start, QDir::homePath()); // nothing preselected: the picker's root

        // cancelled or unanswered, the selection stays
        prompts.CancelFolder();
        QVERIFY(!dlg.Execute());
        QCOMPARE(prompts.FolderRequests[1].Start, album);
        QVERIFY(QDir(album).removeRecursively());
        QVERIFY(!dlg.Execute());
        QCOMPARE(dlg.Selection, album);
        QCOMPARE(prompts.FolderRequests[2].Start, temp.path() + "/Music");
        dlg.Selection = "/no such folder here/Music";
        QCOMPARE(dlg.StartFolder(), dlg.Root);

        dlg.Title.clear();
        QCOMPARE(dlg.PickerTitle(), QString("Set Path"));
        dlg.Caption.clear();
        dlg.Title = "Pick a folder";
        QCOMPARE(dlg.PickerTitle(), QString("Pick a folder"));
    }

    void PlacementIsStoredAndLoaded()
    {
        {
            // empty names: the program file (no extension on Linux), the owner's late name and
            // the default company
            QWidget owner;
            TFormInfo info(&owner);
            owner.setObjectName("_LateName");
            info.Company.clear();
            owner.resize(321, 222);
            info.Save();
            const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
            QCOMPARE(info.AppName, program);
            QCOMPARE(info.FormName, QString("_LateName"));
            QCOMPARE(TSettingsBatch("Kestrel Developer", program)
                         .ReadString(PlacementKey("_LateName", PlacementWidth)),
                     QString("321"));
        }

        TPlaced("_NoAuto", {420, 310}, {35, 45}).Info->Save();
        TPlaced waiting("_NoAuto", {200, 100});
        waiting.Info->AutoLoad = false;
        waiting.Info->Loaded();
        QCOMPARE(waiting.Widget.size(), QSize(200, 100));
        waiting.Info->Load();
        QCOMPARE(waiting.Widget.size(), QSize(420, 310));
        QCOMPARE(waiting.Widget.pos(), QPoint(35, 45));
        QVERIFY(!waiting.Widget.isMaximized());

        // maximized and minimized both open maximized, keeping the size they return to
        for (const Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowMinimized}) {
            {
                TPlaced window("_States", {300, 200});
                window.Widget.show();
                window.Widget.setWindowState(state);
                window.Info->Save();
            }
            QCOMPARE(TSettingsBatch().ReadString(PlacementKey("_States", PlacementWidth)),
                     QString("300"));
            TPlaced next("_States");
            next.Info->Loaded();
            next.Widget.show();
            QVERIFY(next.Widget.isMaximized() && !next.Widget.isMinimized());
        }

        // last on a monitor that is no longer connected: back on the screen
        {
            TSettingsBatch store;
            WritePlacement(store, "_Lost", {300, 200, 5000, 4000, true});
        }
        TPlaced lost("_Lost");
        lost.Info->Loaded();
        QCOMPARE(lost.Widget.size(), QSize(300, 200));
        QVERIFY(lost.Widget.screen()->availableGeometry().contains(lost.Widget.geometry()));

        // text that is no number and a negative size keep the present placement
        {
            QSettings store(QSettings::NativeFormat, QSettings::UserScope, RegCompany, RegAppName);
            store.beginGroup("_Broken");
            store.setValue(PlacementWidth, "-300");
            store.setValue(PlacementLeft, "left");
            store.setValue(PlacementState, "yes");
        }
        TPlaced broken("_Broken");
        broken.Info->Loaded();
        QCOMPARE(broken.Widget.size(), QSize(250, 150));
        QCOMPARE(broken.Widget.pos(), QPoint(20, 30));
        QVERIFY(!broken.Widget.isMaximized());
    }

    void KeysReachTheHandlersAndTheBox()
    {
        TKeyOwner w;
        Activate(w);
        w.Box->setFocus();
        // the modifier is a key of its own
        QTest::keyClick(w.Box, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(w.Downs, (TKeys{0x11, 0x54}));
        QCOMPARE(w.Ups, (TKeys{0x54, 0x11}));
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

    // The window reads the time separator by the command line's rule, from Qt's time format.
    void TimeSeparatorOfQtFormats()
    {
        const std::pair<const char*, const char*> cases[] = {
            {"H.mm", "."},
            {"h:mm AP", ":"},
            {"ap h:mm", ":"},
            {"HH 'h' mm", "h"}, // a quoted unit word between hours and minutes
            {"H\xE6\x97\xB6mm\xE5\x88\x86ss\xE7\xA7\x92", ":"}, // hour, minute, second words
        };
        for (const auto& [format, separator] : cases) {
            const std::string strftime = StrftimeFormatOf(QString::fromUtf8(format));
            QCOMPARE(TimeSeparatorOfFormat(strftime), std::string(separator));
        }
        QCOMPARE(StrftimeFormatOf("H 'o''clock' '' %"), std::string("%H o'clock ' %%"));
        QCOMPARE(RegionalSettingsOf(QLocale::c()).TimeSeparator, std::string(":"));
    }

    void DesktopPromptsDefaultToCancelAndPickFoldersOnly()
    {
        TQtPrompts prompts;
        // each kind of question: Enter gives the safe answer, the other button the other one
        using TQuestion = bool (TPrompts::*)(QWidget*, const QString&, const QString&);
        const std::pair<TQuestion, QMessageBox::StandardButton> questions[] = {
            {&TPrompts::Confirm, QMessageBox::Ok}, {&TPrompts::AskYesNo, QMessageBox::Yes}};
        for (const auto& [ask, yes] : questions) {
            WhenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
            QVERIFY(!(prompts.*ask)(nullptr, "Attention !", "Write to ALL files ?"));
            WhenModal(
                [yes](QWidget* box) { static_cast<QMessageBox*>(box)->button(yes)->click(); });
            QVERIFY((prompts.*ask)(nullptr, "Attention !", "Write to ALL files ?"));
        }
        // a message has OK alone, which Enter presses
        QMessageBox::StandardButtons buttons;
        WhenModal([&buttons](QWidget* box) {
            buttons = static_cast<QMessageBox*>(box)->standardButtons();
            QTest::keyClick(box, Qt::Key_Return);
        });
        prompts.Inform(nullptr, "Attention !", "Nothing to do");
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

        QTemporaryDir temp;
        bool foldersOnly = false;
        WhenModal([&](QWidget* widget) {
            auto* dialog = static_cast<QFileDialog*>(widget);
            foldersOnly = dialog->testOption(QFileDialog::ShowDirsOnly) &&
                          dialog->fileMode() == QFileDialog::Directory;
            dialog->selectFile(temp.path());
            static_cast<QDialog*>(dialog)->accept();
        });
        const std::optional<QString> folder =
            prompts.PickFolder(nullptr, "Select Path", QDir::homePath(), temp.path());
        QVERIFY(foldersOnly && folder.has_value());
        QCOMPARE(QDir(*folder).canonicalPath(), QDir(temp.path()).canonicalPath());
        WhenModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
        QVERIFY(!prompts.PickFolder(nullptr, "Select Path", QDir::homePath(), QString()));
    }
};

QTEST_MAIN(TComponentsTest)
#include "components_test.moc"
