#include "ui/auxiliary/macro_form.h"
#include "ui/main/main_window_harness.h"

#include <QtTest>

// The macro list: loading and storing it, its commands and their questions, and taking a macro
// over into the main window.
class TMacroFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ClearSettingsStore();
        Program.Start();
    }
    void cleanup() { Program.Stop(); }

    void CommandsAskFirstAndTheListIsStoredOnClose()
    {
        ShowMacros();
        QCOMPARE(Text("Panel4"), QStringLiteral("No Macro in List"));
        for (const char* macro : {"A", "B", "C", "C"}) {
            Program.Find<QLineEdit>("Edit6")->setText(macro);
            Click("AddNew_SB");
        }
        QCOMPARE(Items(), QStringList({"A", "B", "C", "C"}));
        QCOMPARE(Combo()->currentIndex(), 3);

        Program.Prompts.AnswerConfirm(false);
        Click("Delete_SB");
        QCOMPARE(Items().size(), 4);
        QCOMPARE(Program.Prompts.Questions.last().Text, QStringLiteral("Delete : C ?"));

        Program.Prompts.AnswerConfirm(true);
        Click("Delete_SB"); // the last: the one before it is selected
        QCOMPARE(Items(), QStringList({"A", "B", "C"}));
        QCOMPARE(Combo()->currentIndex(), 2);
        Combo()->setCurrentIndex(0);
        Program.Prompts.AnswerConfirm(true);
        Click("Delete_SB"); // the first: the new first is selected
        QCOMPARE(Combo()->currentText(), QStringLiteral("B"));

        Program.Find<QLineEdit>("Edit6")->clear();
        Click("AddNew_SB"); // an empty macro field adds nothing
        Program.Prompts.AnswerConfirm(true);
        Click("ClearList_SB");
        const auto asked = Program.Prompts.Questions.size();
        Click("ClearList_SB"); // an empty list asks nothing
        Click("Delete_SB");
        QCOMPARE(Program.Prompts.Questions.size(), asked);
        QCOMPARE(Text("Panel4"), QStringLiteral("No Macro in List"));

        Click("Close_SB");
        QVERIFY(Form()->isHidden());
        TSettingsBatch store;
        QCOMPARE(store.ValueNames(MacroSection), QStringList({"Index", "Total"}));
        QCOMPARE(store.ReadInteger(MacroTotalKey), 0);
        QCOMPARE(store.ReadInteger(MacroIndexKey), 0);
    }

    void StoredListIsLoadedAndCloseTakesTheMacroOver()
    {
        TTempDir music;
        WriteBytes(music / "a.mp3", Mp3At(128, MakeTrailer("Song", "Band")));
        Program.Open(music.Path().string());
        Program.ClickRow(0);
        {
            TSettingsBatch store;
            store.WriteString(MacroItemKey(0), "%t,t% by %a,t%");
            store.WriteString(MacroItemKey(1), "_NONE_");
            store.WriteString(MacroItemKey(2), "%a%");
            store.WriteInteger(MacroTotalKey, 5); // more than are stored
            store.WriteInteger(MacroIndexKey, 7); // beyond the list
        }
        // a button the pointer was over when the list opened loses its red caption
        auto* write = Program.Find<QToolButton>("Write_Tag_SB");
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(write, &enter);
        QCOMPARE(write->palette().color(QPalette::ButtonText), QColor(Qt::red));
        ShowMacros();
        QCOMPARE(write->palette().color(QPalette::ButtonText), QColor(Qt::black));
        QCOMPARE(Items(), QStringList({"%t,t% by %a,t%", "%a%"}));
        QCOMPARE(Combo()->currentIndex(), 0);
        QCOMPARE(Text("Panel4"), QStringLiteral("2 Macros in List"));
        QCOMPARE(Text("Panel5"), QStringLiteral("Song by Band"));
        Click("Close_SB");
        QCOMPARE(Program.Find<QLineEdit>("Edit6")->text(), QStringLiteral("%t,t% by %a,t%"));
        QCOMPARE(Program.Find<QLabel>("Label15")->text(), QStringLiteral("Song by Band"));

        // an empty text leaves the main window's macro alone, and the list is still stored
        Program.Find<QLineEdit>("Edit6")->setText("%t%");
        ShowMacros();
        Combo()->setEditText(QString());
        QCOMPARE(Text("Panel5"), QString());
        Click("Close_SB");
        QCOMPARE(Program.Find<QLineEdit>("Edit6")->text(), QStringLiteral("%t%"));
        QCOMPARE(TSettingsBatch().ReadInteger(MacroTotalKey), 2);
    }

private:
    TMacro_Form* Form() const { return Program.Windows().Macro_Form; }
    QComboBox* Combo() const { return Form()->findChild<QComboBox*>("Macro_CB"); }
    QString Text(const char* panel) const { return Form()->findChild<QLabel*>(panel)->text(); }
    void Click(const char* button) const { Form()->findChild<QToolButton*>(button)->click(); }
    void ShowMacros() const { Program.Find<QToolButton>("Macro_SB")->click(); }
    QStringList Items() const
    {
        QStringList items;
        for (int i = 0; i < Combo()->count(); ++i) {
            items << Combo()->itemText(i);
        }
        return items;
    }

    TMainWindowHarness Program;
};

QTEST_MAIN(TMacroFormTest)
#include "macro_form_test.moc"
