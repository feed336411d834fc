#include "catalogue/html_generator.h"
#include "catalogue/song_values.h"
#include "engine/item_table.h"
#include "ui/auxiliary/about_form.h"
#include "ui/auxiliary/error_form.h"
#include "ui/auxiliary/help_form.h"
#include "ui/auxiliary/keys_form.h"
#include "ui/auxiliary/progress_form.h"
#include "ui/support/scripted_prompts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>

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

// The windows that stand alone: help, shortcut list, about, progress and error log.
class SmallWindowsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TScriptedPrompts> Prompts;
    std::unique_ptr<TForm2> Help;
    std::unique_ptr<T_KeysForm> Keys;
    std::unique_ptr<TForm4> About;
    std::unique_ptr<T_ProgressForm> Progress;

    QWidget* Window(const QString& name)
    {
        return name == "Form2"           ? static_cast<QWidget*>(Help.get())
               : name == "_KeysForm"     ? static_cast<QWidget*>(Keys.get())
               : name == "_ProgressForm" ? static_cast<QWidget*>(Progress.get())
                                         : static_cast<QWidget*>(About.get());
    }

    // What the user reads in the error log, line by line.
    static QStringList ShownLines(T_ErrorForm& form)
    {
        const auto* log = form.findChild<QPlainTextEdit*>("Error_RichEdit");
        const QString text = log->toPlainText();
        return text.isEmpty() && log->document()->blockCount() <= 1 ? QStringList()
                                                                    : text.split('\n');
    }

private slots:
    void init()
    {
        About.reset();
        Prompts = std::make_unique<TScriptedPrompts>();
        Help = std::make_unique<TForm2>();
        Keys = std::make_unique<T_KeysForm>();
        About = std::make_unique<TForm4>(*Prompts);
        Progress = std::make_unique<T_ProgressForm>();
    }

    void OpenCentredAndCloseOnlyHides_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Form2", "_KeysForm", "Form4", "_ProgressForm"}) {
            QTest::newRow(name) << name;
        }
    }

    void OpenCentredAndCloseOnlyHides()
    {
        QFETCH(QString, name);
        QWidget* window = Window(name);
        window->show();
        const QPoint centre = window->screen()->availableGeometry().center();
        QVERIFY((window->frameGeometry().center() - centre).manhattanLength() <= 1);

        // the user moves and scrolls it; closed and opened again it is as they left it
        window->move(window->pos() + QPoint(40, 30));
        const QPoint moved = window->pos();
        auto* box = window->findChild<QPlainTextEdit*>();
        if (box != nullptr) {
            box->verticalScrollBar()->setValue(5);
        }
        QVERIFY(!window->close());
        QVERIFY(!window->isVisible());
        if (name == "_ProgressForm") {
            return; // a progress window opens centred for every batch
        }
        window->show();
        QCOMPARE(window->pos(), moved);
        if (box != nullptr) {
            QCOMPARE(box->verticalScrollBar()->value(), 5);
        }
    }

    void HelpNamesEveryReservedWordAndOnlyRealItems()
    {
        const QString text = Help->RichEdit->toPlainText();
        QVERIFY(Help->RichEdit->isReadOnly());
        for (const auto word : ReservedWords) {
            QVERIFY2(text.contains(QLatin1String(word.data(), word.size())), word.data());
        }
        QVERIFY(text.contains(QLatin1String(BeginRepetitionMarker.data())));
        QVERIFY(text.contains(QLatin1String(EndRepetitionMarker.data())));

        // every row of the item table names an item the formatter knows, by both its ids
        const TMPEGAudio audio;
        const QStringList lines = text.split('\n');
        qsizetype row = lines.indexOf(QRegularExpression("^ -----  -+ .*")) + 1;
        QVERIFY(row > 0);
        int items = 0;
        for (; row < lines.size() && !lines[row].trimmed().isEmpty(); ++row) {
            const QStringList ids = lines[row].split(' ', Qt::SkipEmptyParts);
            if (lines[row].startsWith("  ")) {
                continue; // a description's second line
            }
            for (const QString& id : ids.mid(0, 2)) {
                QVERIFY2(LookUpItem(audio, id.toUpper().toStdString(), {}), qPrintable(id));
            }
            ++items;
        }
        QCOMPARE(items, 44);
    }

    void AboutClicksHideTheWindowOrOpenLinks()
    {
        const QString home = "https://velmor.example/cantrel";
        const struct
        {
            const char* Control;
            bool Hides;
            QStringList Opened;
            bool Refused; // by the desktop, and reported
        } rows[] = {
            {"Label29", true, {}, false}, // the credit
            {"Label1", true, {"mailto:cantrel@velmor.example"}, false},
            {"Label20", true, {home + "/mpeg-audio"}, false},
            {"Image1", false, {home}, false}, // the picture, not the frame's hide
            {"Label2", false, {home}, true},
        };
        for (const auto& row : rows) {
            init();
            Prompts->OpenUrlResult = !row.Refused;
            About->show();
            auto* widget = About->findChild<QWidget*>(row.Control);
            QVERIFY2(widget != nullptr, row.Control);
            QTest::mouseClick(widget, Qt::LeftButton);
            QVERIFY2(About->isVisible() == !row.Hides, row.Control);
            QCOMPARE(Prompts->OpenedUrls, row.Opened);
            QCOMPARE(Prompts->Messages.size(), row.Refused ? 1 : 0);
        }
    }

    void ProgressBarFollowsPositionOfRange()
    {
        // the width rule itself is ProgressBarWidth's; here the window applies it to its frame
        T_ProgressForm& form = *Progress;
        form.show();
        QCOMPARE(form.Panel1->width(), 457);
        form.Sink()(1, 4, "1 / 4");
        QCOMPARE(form.Panel2->width(), 112);
        QCOMPARE(form.Panel2->text(), QString("1 / 4"));

        // Range 0 shows a full bar and leaves the window at 1 of 1
        form.Range = 0;
        form.Position = 0;
        form.Text = "Waiting ...";
        form.RefreshProgress();
        QCOMPARE(form.Panel2->width(), 449);
        QCOMPARE(form.Range, 1);
        QCOMPARE(form.Position, 1);
        QCOMPARE(form.Panel2->text(), QString("Waiting ..."));

        // reports come faster than they are painted; each still sets the bar, and the last
        // position is painted at once rather than with the next events
        int paints = 0;
        TPaintCounter counter(paints);
        form.Panel1->installEventFilter(&counter);
        for (int position = 0; position < 99; ++position) {
            form.Report(position, 100, QString("%1 / 100").arg(position));
            QCOMPARE(form.Panel2->width(), ProgressBarWidth(form.Panel1->width(), position, 100));
        }
        const int before = paints;
        form.Report(99, 100, "99 / 100");
        QCOMPARE(paints, before + 1);
        QCOMPARE(form.Panel2->text(), QString("99 / 100"));
    }

    void ErrorLogShowsWarningsAndFailuresUntilCleared()
    {
        T_ErrorForm form;
        QSignalSpy cleared(&form, &T_ErrorForm::Cleared);
        QVERIFY(form.findChild<QPlainTextEdit*>("Error_RichEdit")->isReadOnly());
        form.AddBitRateWarning("/music/A/low.mp3", 64, 1);
        QCOMPARE(ShownLines(form), (QStringList{"", "/music/A/", "low.mp3", " BitRate : 64"}));
        QCOMPARE(form.windowTitle(), QString("Errors Found (BitRate Warning) :  1"));
        QVERIFY(!form.isVisible());
        form.ShowBitRateWarnings(1);
        QCOMPARE(form.windowTitle(), QString("Errors Found (BitRate Warning) : 1"));
        QVERIFY(form.isVisible());

        // a batch's log holds its own files only
        form.ShowFailures({FailureFromCode("/music/A/first.mp3", 13, "cannot write")});
        form.ShowFailures({FailureFromReason("/music/A/second.mp3", TFailureReason::Other, ""),
                           FailureFromReason("/music/B/th\xE9rd.mp3", TFailureReason::Other, "")});
        const QStringList expected{"", "/music/A/", "----", "second.mp3",
                                   "", "/music/B/", "----", "th\uFFFDrd.mp3"};
        QCOMPARE(ShownLines(form), expected);
        QCOMPARE(form.windowTitle(), QString("Errors Found (files not processed correctly) :  2"));
        QCOMPARE(cleared.count(), 0); // a batch emptying the log is not the user's clear

        // Close hides and keeps the log
        QTest::mouseClick(form.findChild<QPushButton*>("SpeedButton1"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.Lines().last(), QString("th\uFFFDrd.mp3"));
        form.ShowFailures({});
        QVERIFY(form.Lines().isEmpty());
        QCOMPARE(form.windowTitle(), QString("Errors Found ..."));
        QVERIFY2(!form.isVisible(), "nothing failed: the window stays hidden");

        form.AddEntry("/music/A/", {"name 1.mp3"});
        form.Show();
        // Clear empties the log and tells the main window, even when the log is empty already
        for (const int count : {1, 2}) {
            QTest::mouseClick(form.findChild<QPushButton*>("SpeedButton2"), Qt::LeftButton);
            QCOMPARE(form.windowTitle(), QString("Errors Found ..."));
            QVERIFY(ShownLines(form).isEmpty());
            QCOMPARE(form.Count(), 0);
            QCOMPARE(cleared.count(), count);
        }
    }
};

QTEST_MAIN(SmallWindowsTest)
#include "small_windows_test.moc"
