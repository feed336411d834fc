#include "catalogue/html_generator.h"
#include "catalogue/song_values.h"
#include "engine/code_page.h"
#include "engine/item_table.h"
#include "settings/stored_settings.h"
#include "ui/auxiliary/about_window.h"
#include "ui/auxiliary/error_window.h"
#include "ui/auxiliary/help_window.h"
#include "ui/auxiliary/macro_list_window.h"
#include "ui/auxiliary/progress_window.h"
#include "ui/auxiliary/settings_window.h"
#include "ui/auxiliary/shortcut_list_window.h"
#include "ui/main/main_window_harness.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <climits>
#include <tuple>

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

template <typename T> T* Child(QWidget* window, const char* name)
{
    return window->findChild<T*>(QLatin1String(name));
}

void Click(QWidget* window, const char* button)
{
    Child<QToolButton>(window, button)->click();
}

} // namespace

// The windows around the main window: macro list, settings, help, shortcut list, about,
// progress and error log, each opened from the program as the user opens it.
class TAuxiliaryTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ClearSettingsStore();
        Program.Start();
    }
    void cleanup() { Program.Stop(); }

    void MacroListAsksFirstIsStoredAndHandsAMacroOver()
    {
        TTempDir music;
        WriteBytes(music / "a.mp3", Mp3At(128, MakeTrailer("Song", "Band")));
        Program.Open(music.Path().string());
        Program.ClickRow(0);
        TMacroListWindow* form = Program.Windows().MacroListWindow;
        auto* list = Child<QComboBox>(form, "MacroListBox");
        auto* macro = Program.Find<QLineEdit>("MacroBox");
        ShowMacros();
        QCOMPARE(Child<QLabel>(form, "ListSizePanel")->text(), QStringLiteral("No Macro in List"));
        for (const char* text : {"A", "B", "C", "C"}) {
            macro->setText(text);
            Click(form, "AddMacroButton");
        }
        QCOMPARE(Items(list), QStringList({"A", "B", "C", "C"}));
        QCOMPARE(list->currentIndex(), 3);
        Program.Prompts.AnswerConfirm(false);
        Click(form, "DeleteButton");
        QCOMPARE(list->count(), 4);
        QCOMPARE(Program.Prompts.Questions.last().Text, QStringLiteral("Delete : C ?"));
        Program.Prompts.AnswerConfirm(true);
        Click(form, "DeleteButton"); // the last: the one before it is selected
        QCOMPARE(Items(list), QStringList({"A", "B", "C"}));
        QCOMPARE(list->currentIndex(), 2);
        list->setCurrentIndex(0);
        Program.Prompts.AnswerConfirm(true);
        Click(form, "DeleteButton"); // the first: the new first is selected
        QCOMPARE(list->currentText(), QStringLiteral("B"));

        macro->clear();
        Click(form, "AddMacroButton"); // an empty macro field adds nothing
        Program.Prompts.AnswerConfirm(true);
        Click(form, "ClearListButton");
        const auto asked = Program.Prompts.Questions.size();
        Click(form, "ClearListButton"); // an empty list asks nothing
        Click(form, "DeleteButton");
        QCOMPARE(Program.Prompts.Questions.size(), asked);
        Click(form, "CloseButton");
        QVERIFY(form->isHidden());
        {
            TSettingsBatch store;
            QCOMPARE(store.ValueNames(MacroSection), QStringList({"Index", "Total"}));
            QCOMPARE(store.ReadInteger(MacroTotalKey), 0);
            QCOMPARE(store.ReadInteger(MacroIndexKey), 0);
            // the list is read again at each opening; gaps and a count or index out of range
            store.WriteString(MacroItemKey(0), "%t,t% by %a,t%");
            store.WriteString(MacroItemKey(1), "_NONE_");
            store.WriteString(MacroItemKey(2), "%a%");
            store.WriteInteger(MacroTotalKey, 5);
            store.WriteInteger(MacroIndexKey, 7);
        }
        // a button the pointer was over when the list opened loses its red caption
        auto* write = Program.Find<QToolButton>("WriteTagButton");
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(write, &enter);
        QCOMPARE(write->palette().color(QPalette::ButtonText), QColor(Qt::red));
        ShowMacros();
        QCOMPARE(write->palette().color(QPalette::ButtonText), QColor(Qt::black));
        QCOMPARE(Items(list), QStringList({"%t,t% by %a,t%", "%a%"}));
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(Child<QLabel>(form, "ListSizePanel")->text(), QStringLiteral("2 Macros in List"));
        QCOMPARE(Child<QLabel>(form, "PreviewPanel")->text(), QStringLiteral("Song by Band"));
        Click(form, "CloseButton");
        QCOMPARE(macro->text(), QStringLiteral("%t,t% by %a,t%"));
        QCOMPARE(Program.Find<QLabel>("MacroPreviewLabel")->text(), QStringLiteral("Song by Band"));

        // an empty text leaves the main window's macro alone, and the list is still stored
        macro->setText("%t%");
        ShowMacros();
        list->setEditText(QString());
        QCOMPARE(Child<QLabel>(form, "PreviewPanel")->text(), QString());
        Click(form, "CloseButton");
        QCOMPARE(macro->text(), QStringLiteral("%t%"));
        QCOMPARE(TSettingsBatch().ReadInteger(MacroTotalKey), 2);
    }

    void SettingsReachTheMainWindowAtOnceOrOnOk()
    {
        Program.Work().Options.LowBitRate = 100; // not one of the listed rates
        ShowSettings();
        for (int field = 0; field < FieldCount; ++field) {
            QVERIFY(FieldBox(field)->isChecked());
            QVERIFY(FieldBox(field)->text().endsWith("[disabled]"));
        }
        QVERIFY(!Bound("LowerBitRate")->isEnabled());
        QCOMPARE(Bound("LowerBitRate")->currentIndex(), -1);
        // the recent folders are cleared only on Yes
        Program.Work().RecentPaths[0] = "/music";
        Click(Settings(), "ClearRecentButton"); // no answer: No, the default
        QCOMPARE(Program.Work().RecentPaths[0], std::string("/music"));
        Program.Prompts.AnswerConfirm(true);
        Click(Settings(), "ClearRecentButton");
        QCOMPARE(Program.RecentItem(0)->text(), QStringLiteral("..none.."));
        Click(Settings(), "OkButton"); // a bound outside the list is kept
        QCOMPARE(Program.Work().Options.LowBitRate, 100);
        QCOMPARE(Program.Work().Options.HighBitRate, 160);

        ShowSettings();
        FieldBox(1)->setChecked(false); // the artist at once
        FieldBox(0)->setChecked(false); // the title only on OK
        Child<QCheckBox>(Settings(), "LimitTo64Box")->setChecked(true);
        QCOMPARE(FieldBox(1)->text(), QStringLiteral("&Artist"));
        QVERIFY(Program.Work().Fields.EnabledFields[1]);
        QVERIFY(!Program.Work().Fields.EnabledFields[0]);
        Click(Settings(), "CancelButton");
        QVERIFY(Settings()->isHidden());
        QVERIFY(Program.Work().Options.LimitTo64);
        QVERIFY(!Program.Work().Fields.EnabledFields[0]);

        ShowSettings();
        QVERIFY(FieldBox(0)->isChecked()); // read again from the main window
        FieldBox(0)->setChecked(false);
        Child<QCheckBox>(Settings(), "WarnBitRateBox")->setChecked(true);
        Child<QCheckBox>(Settings(), "ExcludeFilesBox")->setChecked(true);
        Bound("LowerBitRate")->setCurrentText("320"); // above the upper bound: accepted
        Click(Settings(), "OkButton");
        const TMainOptions& options = Program.Work().Options;
        QVERIFY(Program.Work().Fields.EnabledFields[0]);
        QVERIFY(options.WarningBitRate && options.ExcludeIfWarning);
        QCOMPARE(options.LowBitRate, 320);

        ShowSettings(); // shown as the main window holds them now
        QVERIFY(!FieldBox(0)->isChecked() && !FieldBox(1)->isChecked());
        QVERIFY(Child<QCheckBox>(Settings(), "LimitTo64Box")->isChecked());
        QVERIFY(Bound("LowerBitRate")->isEnabled());
        QCOMPARE(Bound("LowerBitRate")->currentText(), QStringLiteral("320"));
    }

    // The settings window's keys are the shortcut list's, checked or not: Alt+B, Alt+M and
    // Alt+R switch album, comment and track, Alt+C is Cancel.
    void SettingsKeysAreTheShortcutListsKeys()
    {
        ShowSettings();
        Settings()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Settings()));
        const struct
        {
            const char* Keys;
            int Field;
            const char* Caption;
        } rows[] = {{"Alt+B", 2, "Al&bum"},
                    {"Alt+M", 4, "Co&mment"},
                    {"Alt+R", 6, "Track N&r."},
                    {"Alt+B", 2, "Al&bum         [disabled]"}};
        for (const auto& row : rows) {
            const bool before = FieldBox(row.Field)->isChecked();
            QTest::keySequence(Settings(), QKeySequence(QLatin1String(row.Keys)));
            QTRY_VERIFY2(FieldBox(row.Field)->isChecked() != before, row.Keys);
            QCOMPARE(FieldBox(row.Field)->text(), QLatin1String(row.Caption));
        }
        QTest::keySequence(Settings(), QKeySequence(QStringLiteral("Alt+C")));
        QTRY_VERIFY(Settings()->isHidden());
    }

    // A window with no stored place opens on the screen, clear of its top left corner, and
    // stores the place it was closed at.
    void WindowsWithoutAStoredPlaceOpenOnTheScreen()
    {
        TErrorWindow* errors = Program.Windows().ErrorWindow;
        Program.Find<QToolButton>("ErrorsButton")->click();
        QVERIFY(errors->isVisible());
        QVERIFY(errors->screen()->availableGeometry().contains(errors->frameGeometry()));
        QVERIFY(errors->pos() != QPoint(0, 0));
        const QPoint placed = errors->pos();
        errors->close();
        const TPlacement stored = ReadPlacement(TSettingsBatch(), ErrorWindowSection);
        QCOMPARE(QPoint(stored.Left.value_or(-1), stored.Top.value_or(-1)), placed);
    }

    void TagsAreShownAndWrittenInTheChosenCodePage()
    {
        TTempDir music;
        const std::string song = music / "a.mp3";
        WriteBytes(song, Mp3At(128, MakeTrailer("\xC6\xE8\xE7\xED\xFC")));
        Program.Open(music.Path().string());
        Program.ClickRow(0);
        const QString western = QString::fromUtf8("\xC3\x86\xC3\xA8\xC3\xA7\xC3\xAD\xC3\xBC");
        const QString cyrillic = QString::fromUtf8("\xD0\x96\xD0\xB8\xD0\xB7\xD0\xBD\xD1\x8C");
        QCOMPARE(Title(), western);
        ShowSettings();
        Bound("CodePageBox")
            ->setCurrentIndex(Bound("CodePageBox")->findData(QStringLiteral("WINDOWS-1251")));
        QCOMPARE(Title(), western); // nothing changes before OK
        Click(Settings(), "OkButton");
        QCOMPARE(Title(), cyrillic);
        // and so is a write: four letters of the title, each one byte of Windows-1251
        Program.Find<QComboBox>("TitleBox")->setEditText(cyrillic.left(4));
        Program.Find<QToolButton>("WriteTagButton")->click();
        const std::string bytes = ReadBytes(song);
        QCOMPARE(bytes.substr(bytes.size() - 125, 5), std::string("\xC6\xE8\xE7\xED\0", 5));

        Program.Stop(); // stored with the main window's settings
        QCOMPARE(TSettingsBatch().ReadString(TagCodePageKey), QStringLiteral("WINDOWS-1251"));
        Program.Start();
        Program.Open(music.Path().string());
        Program.ClickRow(0);
        QCOMPARE(Title(), cyrillic.left(4));
        QCOMPARE(ReadBytes(song), bytes); // reading rewrites nothing

        Program.Stop();
        TSettingsBatch().WriteString(TagCodePageKey, "UTF-16"); // not a single-byte code page
        Program.Start();
        QCOMPARE(Program.Work().Options.TagCodePage.Name, DefaultTagCodePage.Name);
    }

    void InfoWindowsOpenCentredAndCloseOnlyHides()
    {
        const TWindows& windows = Program.Windows();
        for (QWidget* window :
             std::initializer_list<QWidget*>{windows.HelpWindow, windows.ShortcutListWindow,
                                             windows.AboutWindow, windows.ProgressWindow}) {
            window->show();
            const QPoint centre = window->screen()->availableGeometry().center();
            QVERIFY((window->frameGeometry().center() - centre).manhattanLength() <= 1);
            // moved and scrolled, closed and opened again: as the user left it
            window->move(window->pos() + QPoint(40, 30));
            const QPoint moved = window->pos();
            auto* box = window->findChild<QPlainTextEdit*>();
            if (box != nullptr) {
                box->verticalScrollBar()->setValue(5);
            }
            QVERIFY(!window->close());
            QVERIFY(!window->isVisible());
            if (window == windows.ProgressWindow) {
                continue; // a progress window opens centred for every batch
            }
            window->show();
            QCOMPARE(window->pos(), moved);
            QCOMPARE(box == nullptr ? 5 : box->verticalScrollBar()->value(), 5);
        }
    }

    void HelpNamesEveryReservedWordAndOnlyRealItems()
    {
        const QString text =
            Program.Windows().HelpWindow->findChild<QPlainTextEdit*>("HelpBox")->toPlainText();
        for (const auto word : ReservedWords) {
            QVERIFY2(text.contains(QLatin1String(word.data(), word.size())), word.data());
        }
        QVERIFY(text.contains(QLatin1String(BeginRepetitionMarker.data())));
        QVERIFY(text.contains(QLatin1String(EndRepetitionMarker.data())));
        // every row of the item table names an item the formatter knows, by both its ids
        const QStringList lines = text.split('\n');
        qsizetype row = lines.indexOf(QRegularExpression("^ -----  -+ .*")) + 1;
        int items = 0;
        for (; row > 0 && row < lines.size() && !lines[row].trimmed().isEmpty(); ++row) {
            if (lines[row].startsWith("  ")) {
                continue; // a description's second line
            }
            for (const QString& id : lines[row].split(' ', Qt::SkipEmptyParts).mid(0, 2)) {
                QVERIFY2(LookUpItem(TMPEGAudio(), id.toUpper().toStdString(), {}), qPrintable(id));
            }
            ++items;
        }
        QCOMPARE(items, 44);
    }

    void AboutClicksHideTheWindowOrOpenLinks()
    {
        const QString home = MakersHomePage;
        const struct
        {
            const char* Control;
            bool Hides;
            QStringList Opened;
            bool Refused; // by the desktop, and reported
        } rows[] = {
            {"ProgrammingLabel", true, {}, false}, // the credit
            {"MailLabel", true, {"mailto:cantrel@velmor.example"}, false},
            {"MpegLabel", true, {home + "/mpeg-audio"}, false},
            {"Picture", false, {home}, false}, // the picture, not the frame's hide
            {"HomePageLabel", false, {home}, true},
        };
        TAboutWindow* about = Program.Windows().AboutWindow;
        TScriptedPrompts& prompts = Program.Prompts;
        for (const auto& row : rows) {
            prompts.OpenedUrls.clear();
            prompts.OpenUrlResult = !row.Refused;
            about->show();
            QTest::mouseClick(Child<QWidget>(about, row.Control), Qt::LeftButton);
            QVERIFY2(about->isVisible() == !row.Hides, row.Control);
            QCOMPARE(prompts.OpenedUrls, row.Opened);
            QCOMPARE(prompts.Messages.size(), row.Refused ? 1 : 0);
        }
    }

    void ProgressBarFollowsPositionOfRange()
    {
        // rule, frame width, position, range, bar width
        const std::tuple<const char*, int, int, int, int> widths[] = {
            {"a quarter truncates 112.25", 457, 1, 4, 112},
            {"nothing done is an empty bar", 457, 0, 4, 0},
            {"all done fills the inside of the frame", 457, 4, 4, 449},
            {"range 0 is a full bar", 457, 0, 0, 449},
            {"a position past the range stays inside the frame", 457, 5, 4, 449},
            {"a negative position is an empty bar", 457, -1, 4, 0},
            {"a frame narrower than its borders has no bar", 6, 1, 1, 0},
            {"a long batch does not overflow", 457, INT_MAX - 1, INT_MAX, 448},
        };
        for (const auto& [rule, frame, position, range, width] : widths) {
            QVERIFY2(ProgressBarWidth(frame, position, range) == width, rule);
        }
        // here the window applies the rule to its frame
        TProgressWindow& form = *Program.Windows().ProgressWindow;
        form.show();
        auto* frame = Child<QFrame>(&form, "ProgressFrame");
        auto* bar = Child<QLabel>(&form, "ProgressBar");
        form.Report(1, 4, "1 / 4");
        QCOMPARE(bar->width(), ProgressBarWidth(frame->width(), 1, 4));
        QCOMPARE(bar->text(), QString("1 / 4"));
        form.Report(0, 0, "done"); // range 0 shows a full bar
        QCOMPARE(bar->width(), ProgressBarWidth(frame->width(), 1, 1));

        // reports come faster than they are painted; each still sets the bar, and the last
        // position is painted at once rather than with the next events
        int paints = 0;
        TPaintCounter counter(paints);
        frame->installEventFilter(&counter);
        for (int position = 0; position < 99; ++position) {
            form.Report(position, 100, QString("%1 / 100").arg(position));
            QCOMPARE(bar->width(), ProgressBarWidth(frame->width(), position, 100));
        }
        const int before = paints;
        form.Report(99, 100, "99 / 100");
        QCOMPARE(paints, before + 1);
        QCOMPARE(bar->text(), QString("99 / 100"));
    }

    void ErrorLogShowsWarningsAndFailuresUntilCleared()
    {
        TErrorWindow& form = *Program.Windows().ErrorWindow;
        QSignalSpy cleared(&form, &TErrorWindow::Cleared);
        form.AddBitRateWarning("/music/A/low.mp3", 64, 1);
        QCOMPARE(form.Lines(), (QStringList{"", "/music/A/", "low.mp3", " BitRate : 64"}));
        QCOMPARE(form.windowTitle(), QString("Errors Found (BitRate Warning) :  1"));
        QVERIFY(!form.isVisible());
        form.ShowBitRateWarnings(1);
        QCOMPARE(form.windowTitle(), QString("Errors Found (BitRate Warning) : 1"));
        QVERIFY(form.isVisible());

        // a batch's log holds its own files only, path bytes shown as the user can read them
        form.ShowFailures({FailureFromCode("/music/A/first.mp3", 13, "cannot write")});
        form.ShowFailures({FailureFromReason("/music/A/second.mp3", TFailureReason::Other, ""),
                           FailureFromReason("/music/B/th\xE9rd.mp3", TFailureReason::Other, "")});
        const QStringList expected{"", "/music/A/", "----", "second.mp3",
                                   "", "/music/B/", "----", "th\uFFFDrd.mp3"};
        QCOMPARE(Child<QPlainTextEdit>(&form, "ErrorLogBox")->toPlainText(), expected.join('\n'));
        QCOMPARE(form.windowTitle(), QString("Errors Found (files not processed correctly) :  2"));
        QCOMPARE(cleared.count(), 0); // a batch emptying the log is not the user's clear

        // Close hides and keeps the log; a batch without failures leaves the window hidden
        QTest::mouseClick(Child<QPushButton>(&form, "CloseButton"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.Lines().last(), QString("th\uFFFDrd.mp3"));
        form.ShowFailures({});
        QVERIFY(form.Lines().isEmpty());
        QCOMPARE(form.windowTitle(), QString("Errors Found ..."));
        QVERIFY(!form.isVisible());

        form.AddEntry("/music/A/", {"name 1.mp3"});
        form.Show();
        // Clear empties the log and tells the main window, even when the log is empty already
        for (const int count : {1, 2}) {
            QTest::mouseClick(Child<QPushButton>(&form, "ClearButton"), Qt::LeftButton);
            QCOMPARE(form.windowTitle(), QString("Errors Found ..."));
            QVERIFY(Child<QPlainTextEdit>(&form, "ErrorLogBox")->toPlainText().isEmpty());
            QCOMPARE(form.Count(), 0);
            QCOMPARE(cleared.count(), count);
        }
    }

private:
    TSettingsWindow* Settings() const { return Program.Windows().SettingsWindow; }
    QCheckBox* FieldBox(int field) const
    {
        static const char* const names[] = {"TitleBox",   "ArtistBox", "AlbumBox", "YearBox",
                                            "CommentBox", "GenreBox",  "TrackBox"};
        return Child<QCheckBox>(Settings(), names[field]);
    }
    QComboBox* Bound(const char* name) const { return Child<QComboBox>(Settings(), name); }
    void ShowSettings() const { Program.Find<QToolButton>("SettingsButton")->click(); }
    void ShowMacros() const { Program.Find<QToolButton>("MacroListButton")->click(); }
    QString Title() const { return Program.Find<QComboBox>("TitleBox")->currentText(); }
    static QStringList Items(const QComboBox* list)
    {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) {
            items << list->itemText(i);
        }
        return items;
    }

    TMainWindowHarness Program;
};

QTEST_MAIN(TAuxiliaryTest)
#include "auxiliary_test.moc"
