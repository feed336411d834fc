#include "catalogue/html_generator.h"
#include "ui/html/html_form.h"
#include "ui/main/main_window_harness.h"

#include <QAction>
#include <QTextEdit>
#include <QtTest>

#include <filesystem>

// An HTML run started from the main window: the picker, the pages it writes, and the list put
// back afterwards.
class THtmlFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ClearSettingsStore();
        Program.Start();
        WriteBytes(Templates / "_tags.htm", "artist_from_tags / title_from_tags\r\n");
        WriteBytes(Templates / "_songs.htm", "Songs\n<!-- begin_repetition -->\n"
                                             "song_name_from_tags songs_file_name\n"
                                             "<!-- end_repetition -->\nEnd\n");
        WriteBytes(Templates / "style/a.css", "body {}\n");
        Program.Windows().Form5->TemplateFolder = Templates / "";
    }
    void cleanup() { Program.Stop(); }

    void RunWritesWhatTheCommandLineWrites()
    {
        Html(); // no files listed: not even the picker
        QVERIFY(Program.Prompts.FolderRequests.isEmpty());
        OpenSongs();
        Program.Prompts.CancelFolder();
        Html();
        QCOMPARE(Program.Prompts.FolderRequests.size(), 2); // the folder opened, then the target
        QVERIFY(!std::filesystem::exists(Target / "HTML"));

        Program.Prompts.AnswerFolder(QString::fromStdString(Target.Path().string()));
        Html();
        const std::filesystem::path html = Target / "HTML";
        QVERIFY(std::filesystem::exists(html / "style" / "a.css"));
        QCOMPARE(Program.Windows().Form5->HtmlPath, Target.Path().string() + "/");

        // the generator as the command line runs it
        THtmlRunOptions options;
        options.TemplateFolder = Templates / "";
        options.HtmlPath = Target / "cli/";
        THtmlSongTable songs;
        THtmlProgress quiet;
        QVERIFY(GenerateHtmlCatalogue(Songs, options, songs, quiet).Failures.empty());
        for (const char* page : {"_songs.htm", "Tags/a_00000.htm", "Tags/b_00001.htm"}) {
            QCOMPARE(ReadBytes(html / page),
                     ReadBytes(std::filesystem::path(Target / "cli/HTML") / page));
        }

        // the list is back, with the last file current; the picker opens at the last target
        auto* list = Program.Find<QListWidget>("ListBox1");
        QVERIFY(list->isVisible());
        QCOMPARE(list->currentRow(), 1);
        Program.Prompts.CancelFolder();
        Html();
        QCOMPARE(Program.Prompts.FolderRequests.last().Start,
                 QString::fromStdString(Target.Path().string()));
    }

    void HiddenPreviewOpensAFileFromItsMenu()
    {
        T_Form5* form = Program.Windows().Form5;
        auto* preview = form->findChild<QTextEdit*>("Preview_html_RE");
        QVERIFY(preview->isHidden() && !preview->isEnabled());
        auto* open = form->findChild<QAction*>("OpenFile1");
        QCOMPARE(open->text(), QStringLiteral("&Open File"));
        const std::string page = Target / "a.htm";
        WriteBytes(page, "<p>caf\xC3\xA9</p>\n");

        Program.Prompts.AnswerFile(QString::fromStdString(page));
        open->trigger();
        QCOMPARE(preview->toPlainText(), QStringLiteral("<p>caf\u00E9</p>\n"));
        const auto& request = Program.Prompts.FileRequests.front();
        QCOMPARE(request.Filters.size(), 7);
        QCOMPARE(request.Filters[request.Selected], QStringLiteral("HTM Files ( *.htm ) (*.htm)"));
        QCOMPARE(request.Filters.last(), QStringLiteral("All Files ( *.* ) (*)"));

        // a file that cannot be read is reported and the preview keeps what it shows
        Program.Prompts.AnswerFile(QString::fromStdString(Target / "gone.htm"));
        open->trigger();
        QCOMPARE(Program.Prompts.Messages.size(), 1);
        QVERIFY(Program.Prompts.Messages.front().Text.startsWith("Cannot open "));
        QCOMPARE(preview->toPlainText(), QStringLiteral("<p>caf\u00E9</p>\n"));
    }

private:
    void Html() const { Program.Find<QToolButton>("Html_SB")->click(); }
    void OpenSongs()
    {
        Songs = {Music / "a.mp3", Music / "b.mp3"};
        WriteBytes(Songs[0], Mp3At(128, MakeTrailer("One", "Band")));
        WriteBytes(Songs[1], Mp3At(128, MakeTrailer("Two", "Band")));
        Program.Open(Music.Path().string());
    }

    TMainWindowHarness Program;
    TTempDir Templates;
    TTempDir Music;
    TTempDir Target;
    std::vector<std::string> Songs;
};

QTEST_MAIN(THtmlFormTest)
#include "html_form_test.moc"
