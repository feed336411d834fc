#include "ui/auxiliary/error_form.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class ErrorFormTest : public QObject
{
    Q_OBJECT

private:
    static QPlainTextEdit* Log(T_ErrorForm& form)
    {
        return form.findChild<QPlainTextEdit*>("Error_RichEdit");
    }
    static QPushButton* Button(T_ErrorForm& form, const char* name)
    {
        return form.findChild<QPushButton*>(name);
    }
    // What the user reads in the log, line by line.
    static QStringList ShownLines(T_ErrorForm& form)
    {
        const QString text = Log(form)->toPlainText();
        return text.isEmpty() && Log(form)->document()->blockCount() <= 1 ? QStringList()
                                                                          : text.split('\n');
    }

private slots:
    void BitRateWarningsStartWithAnEmptyLine()
    {
        T_ErrorForm form;
        QVERIFY(Log(form)->isReadOnly());
        form.AddBitRateWarning("/music/A/low.mp3", 64, 1);
        QCOMPARE(ShownLines(form), (QStringList{"", "/music/A/", "low.mp3", " BitRate : 64"}));
        QCOMPARE(form.windowTitle(), QString("Errors Found (BitRate Warning) :  1"));
        QVERIFY(!form.isVisible());
        form.ShowBitRateWarnings(1);
        QCOMPARE(form.windowTitle(), QString("Errors Found (BitRate Warning) : 1"));
        QVERIFY(form.isVisible());
    }

    void ClearEmptiesTheLogAndTellsTheMainWindow()
    {
        T_ErrorForm form;
        QSignalSpy cleared(&form, &T_ErrorForm::Cleared);
        form.AddEntry("/music/A/", {"name 1.mp3"});
        form.Show();
        QTest::mouseClick(Button(form, "SpeedButton2"), Qt::LeftButton);
        QCOMPARE(form.windowTitle(), QString("Errors Found ..."));
        QVERIFY(ShownLines(form).isEmpty());
        QCOMPARE(form.Count(), 0);
        QCOMPARE(cleared.count(), 1);

        // clearing an empty log still resets the main window's notice
        QTest::mouseClick(Button(form, "SpeedButton2"), Qt::LeftButton);
        QCOMPARE(cleared.count(), 2);
    }

    void BatchFailuresAreListedUnderTheirFolders()
    {
        T_ErrorForm form;
        QSignalSpy cleared(&form, &T_ErrorForm::Cleared);
        form.ShowFailures({FailureFromCode("/music/A/first.mp3", 13, "cannot write")});
        // the second batch's log does not hold the first one's files
        form.ShowFailures({FailureFromReason("/music/A/second.mp3", TFailureReason::Other, ""),
                           FailureFromReason("/music/B/th\xE9rd.mp3", TFailureReason::Other, "")});
        const QStringList expected{"", "/music/A/", "----", "second.mp3",
                                   "", "/music/B/", "----", "th\uFFFDrd.mp3"};
        QCOMPARE(ShownLines(form), expected);
        QCOMPARE(form.windowTitle(), QString("Errors Found (files not processed correctly) :  2"));
        QVERIFY(form.isVisible());
        // a batch emptying the log is not the user's clear
        QCOMPARE(cleared.count(), 0);

        form.hide();
        form.ShowFailures({});
        QVERIFY(form.Lines().isEmpty());
        QCOMPARE(form.windowTitle(), QString("Errors Found ..."));
        QVERIFY2(!form.isVisible(), "nothing failed: the window stays hidden");
    }

    void CloseOnlyHidesAndKeepsTheLog()
    {
        T_ErrorForm form;
        form.AddEntry("/music/A/", {"kept.mp3"});
        form.Show();
        QTest::mouseClick(Button(form, "SpeedButton1"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.Lines().last(), QString("kept.mp3"));
    }
};

QTEST_MAIN(ErrorFormTest)
#include "error_form_test.moc"
