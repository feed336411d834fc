#include "catalogue/html_generator.h"
#include "ui/html/html_window.h"
#include "ui/main/main_window_harness.h"

#include <QTextEdit>
#include <QtTest>

#include <filesystem>

// The HTML window started from the main window: the picker, the pages it writes, the list put
// back afterwards, and the preview's file menu.
class THtmlFormTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Program.Stop(); }

    void RunWritesWhatTheCommandLineWritesAndThePreviewOpensFiles()
    {
        TTempDir templates;
        TTempDir music;
        TTempDir target;
        WriteBytes(templates / "_tags.htm", "artist_from_tags / title_from_tags\r\n");
        WriteBytes(templates / "_songs.htm", "Songs\n<!-- begin_repetition -->\n"
                                             "song_name_from_tags songs_file_name\n"
                                             "<!-- end_repetition -->\nEnd\n");
        WriteBytes(templates / "style/a.css", "body {}\n");
        ClearSettingsStore();
        Program.Start();
        THtmlWindow* form = Program.Windows().HtmlWindow;
        form->TemplateFolder = templates / "";
        TScriptedPrompts& prompts = Program.Prompts;
        Html(); // no files listed: not even the picker
        QVERIFY(prompts.FolderRequests.isEmpty());
        const std::vector<std::string> songs = {music / "a.mp3", music / "b.mp3"};
        WriteBytes(songs[0], Mp3At(128, MakeTrailer("One", "Band")));
        WriteBytes(songs[1], Mp3At(128, MakeTrailer("Two", "Band")));
        Program.Open(music.Path().string());
        prompts.CancelFolder();
        Html();
        QCOMPARE(prompts.FolderRequests.size(), 2); // the folder opened, then the target
        QVERIFY(!std::filesystem::exists(target / "HTML"));

        const QString chosen = QString::fromStdString(target.Path().string());
        prompts.AnswerFolder(chosen);
        const auto run = Program.WatchBusy(TActivityKind::Batch);
        Html();
        QVERIFY(run->Turns > 0);
        QCOMPARE(run->Enabled, QStringList());
        QCOMPARE(Program.EnabledCommands(), Program.BusyCommands());
        const std::filesystem::path html = target / "HTML";
        QVERIFY(std::filesystem::exists(html / "style" / "a.css"));
        QCOMPARE(form->HtmlPath, target.Path().string() + "/");
        // the generator as the command line runs it
        THtmlRunOptions options;
        options.TemplateFolder = templates / "";
        options.HtmlPath = target / "cli/";
        THtmlSongTable table;
        THtmlProgress quiet;
        QVERIFY(GenerateHtmlCatalogue(songs, options, table, quiet).Failures.empty());
        for (const char* page : {"_songs.htm", "Tags/a_00000.htm", "Tags/b_00001.htm"}) {
            QCOMPARE(ReadBytes(html / page),
                     ReadBytes(std::filesystem::path(target / "cli/HTML") / page));
        }
        // the list is back, with the last file current; the picker opens at the last target
        auto* list = Program.Find<QListView>("FileList");
        QVERIFY(list->isVisible());
        QCOMPARE(list->currentIndex().row(), 1);
        prompts.CancelFolder();
        Html();
        QCOMPARE(prompts.FolderRequests.last().Start, chosen);

        // the hidden preview opens a file from its menu, as UTF-8
        auto* preview = form->findChild<QTextEdit*>("PreviewBox");
        QVERIFY(preview->isHidden() && !preview->isEnabled());
        auto* open = form->findChild<QAction*>("OpenFileItem");
        const QString shown = QStringLiteral("<p>caf\u00E9</p>\n");
        WriteBytes(target / "a.htm", shown.toStdString());
        prompts.AnswerFile(QString::fromStdString(target / "a.htm"));
        open->trigger();
        QCOMPARE(preview->toPlainText(), shown);
        const auto& request = prompts.FileRequests.front();
        QCOMPARE(request.Filters[request.Selected], QStringLiteral("HTM Files ( *.htm ) (*.htm)"));
        QCOMPARE(request.Filters.last(), QStringLiteral("All Files ( *.* ) (*)"));
        // a file that cannot be read is reported and the preview keeps what it shows
        prompts.AnswerFile(QString::fromStdString(target / "gone.htm"));
        open->trigger();
        QCOMPARE(prompts.Messages.size(), 1);
        QVERIFY(prompts.Messages.front().Text.startsWith("Cannot open "));
        QCOMPARE(preview->toPlainText(), shown);
    }

private:
    void Html() const { Program.Find<QToolButton>("HtmlButton")->click(); }

    TMainWindowHarness Program;
};

QTEST_MAIN(THtmlFormTest)
#include "html_window_test.moc"
