#include "settings/stored_settings.h"
#include "ui/components/form_info.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QWidget>

namespace {

// A window with its placement component, stored under the program's own names.
struct TWindow
{
    explicit TWindow(const QString& name)
    {
        Widget.setObjectName(name);
        Info = new TFormInfo(&Widget);
        Info->Company = RegCompany;
        Info->AppName = RegAppName;
    }
    QWidget Widget;
    TFormInfo* Info;
};

QSettings Store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, RegCompany, RegAppName);
}

} // namespace

class FormInfoTest : public QObject
{
    Q_OBJECT

private slots:
    void EmptyNamesBecomeTheProgramAndTheOwner()
    {
        QWidget owner;
        TFormInfo info(&owner);
        owner.setObjectName("_LateName");
        info.Company.clear();
        owner.resize(321, 222);
        info.Save();
        // Linux executables carry no extension: the whole file name is the application
        const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        QCOMPARE(info.AppName, program);
        QCOMPARE(info.FormName, QString("_LateName"));
        QCOMPARE(info.Company, QString("Kestrel Developer"));
        const TSettingsBatch store("Kestrel Developer", program);
        QCOMPARE(store.ReadString(PlacementKey("_LateName", PlacementWidth)), QString("321"));
    }

    void StatesOtherThanNormalOpenMaximized()
    {
        for (const Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowMinimized}) {
            {
                TWindow window("_States");
                window.Widget.resize(300, 200);
                window.Widget.show();
                window.Widget.setWindowState(state);
                window.Info->Save();
            }
            // the size kept is the one the window returns to from maximized
            QCOMPARE(TSettingsBatch().ReadString(PlacementKey("_States", PlacementWidth)),
                     QString("300"));
            TWindow next("_States");
            next.Info->Loaded();
            next.Widget.show();
            QVERIFY(next.Widget.isMaximized());
            QVERIFY(!next.Widget.isMinimized());
        }
    }

    void PlacementOffEveryScreenComesBack()
    {
        {
            // the window was last on a monitor to the right that is no longer connected
            TSettingsBatch store;
            WritePlacement(store, "_Lost", {300, 200, 5000, 4000, true});
        }
        TWindow window("_Lost");
        window.Info->Loaded();
        const QRect screen = window.Widget.screen()->availableGeometry();
        QCOMPARE(window.Widget.size(), QSize(300, 200));
        QVERIFY2(screen.contains(QRect(window.Widget.pos(), window.Widget.size())),
                 "the window lies on the screen again");
    }

    void BrokenValuesKeepThePresentPlacement()
    {
        struct TCase
        {
            const char *Width, *Left, *State;
            QSize Size;
            int X;
        };
        const TCase cases[] = {
            {"wide", "left", "yes", {250, 150}, 20}, // text that is no number
            {"-300", "30", "2", {250, 150}, 30},     // a negative size
        };
        for (const TCase& c : cases) {
            {
                QSettings store = Store();
                store.remove("_Broken");
                store.beginGroup("_Broken");
                store.setValue(PlacementWidth, c.Width);
                store.setValue(PlacementLeft, c.Left);
                store.setValue(PlacementState, c.State);
            }
            TWindow window("_Broken");
            window.Widget.resize(250, 150);
            window.Widget.move(20, 30);
            window.Info->Loaded();
            QCOMPARE(window.Widget.size(), c.Size);
            QCOMPARE(window.Widget.pos(), QPoint(c.X, 30));
            QVERIFY(!window.Widget.isMaximized());
        }
    }

    void AutoLoadOffLeavesTheWindowAloneUntilLoad()
    {
        {
            TWindow window("_NoAuto");
            window.Widget.resize(420, 310);
            window.Widget.move(35, 45);
            window.Info->Save();
        }
        TWindow window("_NoAuto");
        window.Widget.resize(200, 100);
        window.Info->AutoLoad = false;
        window.Info->Loaded();
        QCOMPARE(window.Widget.size(), QSize(200, 100));
        window.Info->Load();
        QCOMPARE(window.Widget.size(), QSize(420, 310));
        QCOMPARE(window.Widget.pos(), QPoint(35, 45));
        QVERIFY(!window.Widget.isMaximized());
    }
};

QTEST_MAIN(FormInfoTest)
#include "form_info_test.moc"
