#include "catalogue/html_generator.h"
#include "catalogue/song_values.h"
#include "engine/item_table.h"
#include "ui/auxiliary/about_form.h"
#include "ui/auxiliary/help_form.h"
#include "ui/auxiliary/keys_form.h"
#include "ui/support/scripted_prompts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <memory>

class InfoWindowsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TScriptedPrompts> Prompts;
    std::unique_ptr<TForm2> Help;
    std::unique_ptr<T_KeysForm> Keys;
    std::unique_ptr<TForm4> About;

    QWidget* Window(const QString& name)
    {
        return name == "Form2"       ? static_cast<QWidget*>(Help.get())
               : name == "_KeysForm" ? static_cast<QWidget*>(Keys.get())
                                     : static_cast<QWidget*>(About.get());
    }

private slots:
    void init()
    {
        About.reset();
        Prompts = std::make_unique<TScriptedPrompts>();
        Help = std::make_unique<TForm2>();
        Keys = std::make_unique<T_KeysForm>();
        About = std::make_unique<TForm4>(*Prompts);
    }

    void OpenCentredAndCloseOnlyHides_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("help") << "Form2";
        QTest::newRow("shortcut list") << "_KeysForm";
        QTest::newRow("about") << "Form4";
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

    void AboutClicksHideTheWindowOrOpenLinks_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("hides");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<bool>("refused");
        QTest::newRow("credit") << "Label29" << true << QStringList() << false;
        QTest::newRow("mail: hides and mails")
            << "Label1" << true << QStringList{"mailto:cantrel@velmor.example"} << false;
        QTest::newRow("analysis: hides and opens its page")
            << "Label20" << true << QStringList{"https://velmor.example/cantrel/mpeg-audio"}
            << false;
        QTest::newRow("picture opens the home page, not the frame's hide")
            << "Image1" << false << QStringList{"https://velmor.example/cantrel"} << false;
        QTest::newRow("a link the desktop refuses is reported")
            << "Label2" << false << QStringList{"https://velmor.example/cantrel"} << true;
    }

    void AboutClicksHideTheWindowOrOpenLinks()
    {
        QFETCH(QString, control);
        QFETCH(bool, hides);
        QFETCH(QStringList, opened);
        QFETCH(bool, refused);
        Prompts->OpenUrlResult = !refused;
        About->show();
        auto* widget = About->findChild<QWidget*>(control);
        QVERIFY(widget != nullptr);
        QTest::mouseClick(widget, Qt::LeftButton);
        QCOMPARE(About->isVisible(), !hides);
        QCOMPARE(Prompts->OpenedUrls, opened);
        QCOMPARE(Prompts->Messages.size(), refused ? 1 : 0);
    }
};

QTEST_MAIN(InfoWindowsTest)
#include "info_windows_test.moc"
