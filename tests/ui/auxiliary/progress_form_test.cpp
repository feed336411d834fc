#include "ui/auxiliary/progress_form.h"

#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QTest>

class ProgressFormTest : public QObject
{
    Q_OBJECT

private:
    static int BarWidth(T_ProgressForm& form) { return form.findChild<QLabel*>("Panel2")->width(); }

private slots:
    void StartsEmptyAndBare()
    {
        T_ProgressForm form;
        QVERIFY(!form.isVisible());
        QCOMPARE(form.Range, 0);
        QCOMPARE(form.Position, 0);
        QVERIFY(form.Text.isEmpty());
        QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(form.findChild<QLabel*>("Panel2")->font().bold());
        QCOMPARE(form.findChild<QLabel*>("Panel2")->parent(), form.findChild<QFrame*>("Panel1"));
    }

    void BarFollowsPositionOfRange()
    {
        T_ProgressForm form;
        form.show();
        QCOMPARE(form.findChild<QFrame*>("Panel1")->width(), 457);
        struct
        {
            int Range;
            int Position;
            int Width;
        } const steps[] = {{4, 1, 112}, {4, 0, 0}, {4, 4, 449}, {120, 3, 11}, {4, 2, 224}};
        for (const auto& step : steps) {
            form.Range = step.Range;
            form.Position = step.Position;
            form.Text = QString("%1 / %2").arg(step.Position).arg(step.Range);
            form.RefreshProgress();
            QCOMPARE(BarWidth(form), step.Width);
            QCOMPARE(form.findChild<QLabel*>("Panel2")->text(), form.Text);
        }
    }

    void RangeZeroShowsAFullBar()
    {
        T_ProgressForm form;
        form.Text = "Waiting ...";
        form.RefreshProgress();
        QCOMPARE(BarWidth(form), 449);
        QCOMPARE(form.Range, 1);
        QCOMPARE(form.Position, 1);
        QCOMPARE(form.findChild<QLabel*>("Panel2")->text(), QString("Waiting ..."));
    }

    void ServesAsABatchProgressSink()
    {
        T_ProgressForm form;
        const TProgressFn sink = form.Sink();
        sink(2, 12, "3 / 12");
        QCOMPARE(form.Position, 2);
        QCOMPARE(form.Range, 12);
        QCOMPARE(form.Text, QString("3 / 12"));
        QCOMPARE(BarWidth(form), 449 * 2 / 12);
    }

    void OpensCentredAndCloseOnlyHides()
    {
        T_ProgressForm form;
        form.show();
        const QPoint centre = form.screen()->availableGeometry().center();
        QVERIFY((form.frameGeometry().center() - centre).manhattanLength() <= 1);
        QVERIFY(!form.close());
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(ProgressFormTest)
#include "progress_form_test.moc"
