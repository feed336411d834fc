#include "settings/registry.h"
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
    void Defaults()
    {
        QWidget owner;
        owner.setObjectName("_SomeForm");
        TFormInfo info(&owner);
        QVERIFY(info.AutoLoad);
        QCOMPARE(info.Company, QString("Kestrel Developer"));
        QVERIFY(info.AppName.isEmpty());
        QCOMPARE(info.FormName, QString("_SomeForm"));
    }

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

    void NormalPlacementRoundTrip()
    {
        {
            TWindow window("_RoundTrip");
            window.Widget.resize(420, 310);
            window.Widget.move(35, 45);
            window.Info->Save();
        }
        QSettings store = Store();
        store.beginGroup("_RoundTrip");
        QCOMPARE(store.value(PlacementWidth).toString(), QString("420"));
        QCOMPARE(store.value(PlacementHeight).toString(), QString("310"));
        QCOMPARE(store.value(PlacementLeft).toString(), QString("35"));
        QCOMPARE(store.value(PlacementTop).toString(), QString("45"));
        QCOMPARE(store.value(PlacementState).toString(), QString("1"));

        TWindow next("_RoundTrip");
        next.Info->Loaded();
        QCOMPARE(next.Widget.size(), QSize(420, 310));
        QCOMPARE(next.Widget.pos(), QPoint(35, 45));
        QVERIFY(!next.Widget.isMaximized());
    }

    void MaximizedAndMinimizedOpenMaximized_data()
    {
        QTest::addColumn<int>("state");
        QTest::newRow("maximized") << int(Qt::WindowMaximized);
        QTest::newRow("minimized") << int(Qt::WindowMinimized);
    }
    void MaximizedAndMinimizedOpenMaximized()
    {
        QFETCH(int, state);
        {
            TWindow window("_States");
            window.Widget.resize(300, 200);
            window.Widget.show();
            window.Widget.setWindowState(Qt::WindowStates(state));
            window.Info->Save();
        }
        QCOMPARE(TSettingsBatch().ReadString(PlacementKey("_States", PlacementState)),
                 QString("0"));
        // the size kept is the one the window returns to from maximized
        QCOMPARE(TSettingsBatch().ReadString(PlacementKey("_States", PlacementWidth)),
                 QString("300"));
        TWindow next("_States");
        next.Info->Loaded();
        next.Widget.show();
        QVERIFY(next.Widget.isMaximized());
        QVERIFY(!next.Widget.isMinimized());
    }

    void PlacementOffEveryScreenComesBack()
    {
        {
            QSettings store = Store();
            store.beginGroup("_Lost");
            // the window was last on a monitor to the right that is no longer connected
            store.setValue(PlacementLeft, "5000");
            store.setValue(PlacementTop, "4000");
            store.setValue(PlacementWidth, "300");
            store.setValue(PlacementHeight, "200");
            store.setValue(PlacementState, "1");
        }
        TWindow window("_Lost");
        window.Info->Loaded();
        const QRect screen = window.Widget.screen()->availableGeometry();
        QCOMPARE(window.Widget.size(), QSize(300, 200));
        QVERIFY2(screen.contains(QRect(window.Widget.pos(), window.Widget.size())),
                 "the window lies on the screen again");
    }

    void BrokenValuesKeepThePresentPlacement_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("maximized");
        QTest::newRow("text that is no number") << "wide"
                                                << "left"
                                                << "yes" << QSize(250, 150) << 20 << false;
        QTest::newRow("hexadecimal") << "0x12C"
                                     << "0x10"
                                     << "0x1" << QSize(300, 150) << 16 << false;
        QTest::newRow("negative size") << "-300"
                                       << "30"
                                       << "2" << QSize(250, 150) << 30 << false;
        QTest::newRow("blanks around a number") << " 280 "
                                                << "25"
                                                << "1" << QSize(280, 150) << 25 << false;
    }
    void BrokenValuesKeepThePresentPlacement()
    {
        QFETCH(QString, width);
        QFETCH(QString, left);
        QFETCH(QString, state);
        {
            QSettings store = Store();
            store.remove("_Broken");
            store.beginGroup("_Broken");
            store.setValue(PlacementWidth, width);
            store.setValue(PlacementLeft, left);
            store.setValue(PlacementState, state);
        }
        TWindow window("_Broken");
        window.Widget.resize(250, 150);
        window.Widget.move(20, 30);
        window.Info->Loaded();
        QTEST(window.Widget.size(), "size");
        QTEST(window.Widget.x(), "x");
        QTEST(window.Widget.isMaximized(), "maximized");
        QCOMPARE(window.Widget.y(), 30);
    }

    void DamagedStoreIsKeptWhole()
    {
        // the main window stores its placement first at exit: that write must not drop the
        // lines of a damaged store that it cannot parse
        const QString file = Store().fileName();
        const QByteArray text = "[BitRate]\nHigh%20BitRate=192\n[broken\n\"x=\n";
        QFile::remove(file + ".broken");
        {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(text);
        }
        TWindow window("_Damaged");
        window.Widget.resize(330, 220);
        window.Info->Save();
        QFile kept(file + ".broken");
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), text);
        QCOMPARE(TSettingsBatch().ReadString(PlacementKey("_Damaged", PlacementWidth)),
                 QString("330"));
        QCOMPARE(TSettingsBatch().ReadString(HighBitRateKey), QString("192"));
    }

    void AutoLoadOffLeavesTheWindowAlone()
    {
        {
            TWindow window("_NoAuto");
            window.Widget.resize(400, 300);
            window.Info->Save();
        }
        TWindow window("_NoAuto");
        window.Widget.resize(200, 100);
        window.Info->AutoLoad = false;
        window.Info->Loaded();
        QCOMPARE(window.Widget.size(), QSize(200, 100));
        window.Info->Load();
        QCOMPARE(window.Widget.size(), QSize(400, 300));
    }
};

QTEST_MAIN(FormInfoTest)
#include "form_info_test.moc"
