#include "engine/id3v2_tag.h"
#include "support/id3v2_fixture.h"
#include "ui/auxiliary/settings_window.h"
#include "ui/main/main_window_harness.h"

#include <QtTest>

#include <filesystem>

// The main window beside a file's ID3v2 tag: the column that shows it, the setting that writes it
// with the ID3v1 tag, and the menu entry that fills it from the ID3v1 tag.
class TMainWindowId3v2Test : public QObject
{
    Q_OBJECT

    TMainWindowHarness Program;
    std::unique_ptr<TTempDir> Music;

    std::filesystem::path Path(int i) const { return *Music / (std::to_string(i) + " x.mp3"); }
    bool Marked(const char* name) const { return Program.Find<QLineEdit>(name)->font().bold(); }
    std::optional<std::string> Id3v2Title(int i) const
    {
        const TId3v2Reading reading = ReadId3v2Tag(Path(i).string());
        return reading.Fields ? reading.Fields->Title : std::nullopt;
    }

private slots:
    void init()
    {
        ClearSettingsStore();
        Music = std::make_unique<TTempDir>();
        // file 0 has an ID3v2 tag with another title and the same artist, file 1 has none
        const std::string head = MakeId3v2Tag(3,
                                              {{"TIT2", TextBody(TId3v2Encoding::Utf8, "Zwei")},
                                               {"TPE1", TextBody(TId3v2Encoding::Latin1, "Band")}},
                                              {.Padding = 256});
        WriteBytes(Path(0), head + Mp3At(128, MakeTrailer("Eins", "Band", "Album")));
        WriteBytes(Path(1), Mp3At(128, MakeTrailer("Title 1", "Band")));
        Program.Start();
        Program.Open(Music->Path().string());
    }

    void cleanup() { Program.Stop(); }

    void ShowsWhereTheTagsDisagree()
    {
        Program.ClickRow(0);
        QCOMPARE(Program.Text("Id3v2Heading"), QStringLiteral("ID3v2"));
        QCOMPARE(Program.Text("Id3v2Title"), QStringLiteral("Zwei"));
        QCOMPARE(Program.Text("Id3v2Artist"), QStringLiteral("Band"));
        // the album only the ID3v1 tag holds disagrees too; the comment neither holds does not
        QVERIFY(Marked("Id3v2Title") && !Marked("Id3v2Artist") && Marked("Id3v2Album") &&
                !Marked("Id3v2Comment"));
        Program.ClickRow(1);
        QCOMPARE(Program.Text("Id3v2Heading"), QStringLiteral("no ID3v2 tag"));
        QVERIFY(Program.Text("Id3v2Title").isEmpty() && !Marked("Id3v2Title"));
    }

    void WritesBothTagsWhenSet()
    {
        TSettingsWindow* settings = Program.Windows().SettingsWindow;
        for (const bool both : {false, true}) {
            settings->show();
            settings->findChild<QCheckBox*>("WriteId3v2Box")->setChecked(both);
            settings->findChild<QToolButton*>("OkButton")->click();
            QCOMPARE(Program.Work().Options.WriteId3v2, both);
            Program.ClickRow(0);
            const QString title = both ? QStringLiteral("Drei") : QStringLiteral("Vier");
            Program.Find<QComboBox>("TitleBox")->setEditText(title);
            Program.Find<QToolButton>("WriteTagButton")->click();
            QCOMPARE(Id3v2Title(0), both ? std::optional<std::string>("Drei") : "Zwei");
            QCOMPARE(Program.Text("Id3v2Title"), both ? title : QStringLiteral("Zwei"));
            QCOMPARE(Marked("Id3v2Title"), !both);
        }
    }

    void CopiesId3v1ToId3v2()
    {
        Program.ClickRow(1);
        Program.Prompts.AnswerConfirm(true);
        Program.Find<QAction>("CopyId3v1Item")->trigger();
        QCOMPARE(Program.Prompts.Questions.size(), 1);
        QCOMPARE(Id3v2Title(1), std::optional<std::string>("Title 1"));
        // the shown file is read again
        QCOMPARE(Program.Text("Id3v2Title"), QStringLiteral("Title 1"));
        QVERIFY(!Marked("Id3v2Title") && !Marked("Id3v2Artist"));
    }
};

QTEST_MAIN(TMainWindowId3v2Test)
#include "main_window_id3v2_test.moc"
