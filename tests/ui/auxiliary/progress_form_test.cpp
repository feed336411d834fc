#include "ui/auxiliary/progress_form.h"

#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QTest>

namespace {

class TPaintCounter : public QObject
{
public:
    explicit TPaintCounter(int& count) : Count(count) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        Count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }

private:
    int& Count;
};

} // namespace

class ProgressFormTest : public QObject
{
    Q_OBJECT

private:
    static int BarWidth(T_ProgressForm& form) { return form.findChild<QLabel*>("Panel2")->width(); }

private slots:
    void BarFollowsPositionOfRange()
    {
        // the width rule itself is ProgressBarWidth's; here the window applies it to its frame
        T_ProgressForm form;
        form.show();
        QCOMPARE(form.findChild<QFrame*>("Panel1")->width(), 457);
        const TProgressFn sink = form.Sink();
        sink(1, 4, "1 / 4");
        QCOMPARE(BarWidth(form), 112);
        QCOMPARE(form.findChild<QLabel*>("Panel2")->text(), QString("1 / 4"));

        // Range 0 shows a full bar and leaves the window at 1 of 1
        form.Range = 0;
        form.Position = 0;
        form.Text = "Waiting ...";
        form.RefreshProgress();
        QCOMPARE(BarWidth(form), 449);
        QCOMPARE(form.Range, 1);
        QCOMPARE(form.Position, 1);
        QCOMPARE(form.findChild<QLabel*>("Panel2")->text(), QString("Waiting ..."));
    }

    void ReportsBetweenPaintsKeepTheBarCurrent()
    {
        // reports come faster than they are painted; each still sets the bar, and the last
        // position is painted at once rather than with the next events
        T_ProgressForm form;
        form.show();
        QFrame* frame = form.findChild<QFrame*>("Panel1");
        int paints = 0;
        TPaintCounter counter(paints);
        frame->installEventFilter(&counter);
        for (int position = 0; position < 99; ++position) {
            form.Report(position, 100, QString("%1 / 100").arg(position));
            QCOMPARE(BarWidth(form), ProgressBarWidth(frame->width(), position, 100));
        }
        const int before = paints;
        form.Report(99, 100, "99 / 100");
        QCOMPARE(paints, before + 1);
        QCOMPARE(form.findChild<QLabel*>("Panel2")->text(), QString("99 / 100"));
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
