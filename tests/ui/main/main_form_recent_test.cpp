#include "ui/main/main_window_harness.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

#include <vector>

// The ten most recent folders and the list's popup menu.
class TMainFormRecentTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ClearSettingsStore();
        Program.Start();
    }
    void cleanup()
    {
        Program.Stop();
        Folders.clear();
    }

    void NewFoldersGoToTheTopAndRecentOnesOpenInPlace()
    {
        // the list's own rules (the eleventh folder, case) are the recent-paths unit's
        MakeFolders(3);
        for (std::size_t i = 0; i < 3; ++i) {
            Program.Open(Folder(i));
        }
        QCOMPARE(Captions().mid(0, 4),
                 QStringList({Q(Folder(2)), Q(Folder(1)), Q(Folder(0)), "..none.."}));
        QCOMPARE(TSettingsBatch().ReadString(RecentPathKey(0)), Q(Folder(2))); // stored at once
        Program.RecentItem(2)->trigger(); // the oldest, Folder(0), does not move
        QCOMPARE(Program.Work().CurrentFolder, Folder(0));
        QCOMPARE(Program.Listed(), QStringList({"song 0.mp3"}));
        QCOMPARE(Captions().mid(0, 3), QStringList({Q(Folder(2)), Q(Folder(1)), Q(Folder(0))}));
        QCOMPARE(Program.Prompts.FolderRequests.size(), 3);

        Program.RecentItem(5)->trigger(); // an empty slot does nothing
        QCOMPARE(Program.Work().CurrentFolder, Folder(0));

        Program.Main->ClearRecentPaths(); // every slot, stored only at exit
        QCOMPARE(Captions(), QStringList(10, QStringLiteral("..none..")));
        QCOMPARE(TSettingsBatch().ReadString(RecentPathKey(0)), Q(Folder(2)));
        Program.Stop();
        QCOMPARE(TSettingsBatch().ReadString(RecentPathKey(0)), QStringLiteral("..none.."));
    }

    void FolderNameWithAnAmpersandKeepsIt()
    {
        TTempDir music;
        const std::string folder = music / "Rock & Roll";
        WriteBytes(folder + "/a.mp3", Mp3At(128));
        Program.Open(folder);
        QCOMPARE(Program.RecentItem(0)->text(), Q(music / "Rock && Roll"));
        Program.Open(music.Path().string());
        Program.RecentItem(1)->trigger();
        QCOMPARE(Program.Work().CurrentFolder, folder);
    }

    void PathGivenAtStartOpensItsFolder()
    {
        TTempDir music;
        std::string tag = "TAGSong B";
        tag.resize(128, '\0');
        WriteBytes(music / "a.mp3", Mp3At(128));
        WriteBytes(music / "b.mp3", Mp3At(128, tag));
        struct TCase
        {
            std::string Path;
            bool Opened;
            QString Selected; // and shown
        };
        const TCase cases[] = {
            {music / "", true, ""},
            {music / "b.mp3", true, "b.mp3"},
            {music / "missing", false, ""},
            {"", false, ""},
        };
        for (const TCase& c : cases) {
            Program.Stop();
            ClearSettingsStore();
            Program.Start();
            QCOMPARE(Program.Main->OpenPath(c.Path), c.Opened);
            QCOMPARE(Program.Listed(), c.Opened ? QStringList({"a.mp3", "b.mp3"}) : QStringList());
            QCOMPARE(Program.Work().CurrentFolder, c.Opened ? music.Path().string() : "");
            QCOMPARE(Captions().first(), c.Opened ? Q(music.Path().string()) : "..none..");
            QCOMPARE(Program.Prompts.Messages.size(), c.Opened ? 0 : 1);
            const auto selected = Program.Find<QListWidget>("ListBox1")->selectedItems();
            QCOMPARE(selected.isEmpty() ? QString() : selected.first()->text(), c.Selected);
            QCOMPARE(Program.Find<QComboBox>("TitleEdit")->currentText(),
                     c.Selected.isEmpty() ? "" : "Song B");
        }
    }

private:
    static QString Q(const std::string& text) { return QString::fromStdString(text); }

    void MakeFolders(std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i) {
            Folders.push_back(std::make_unique<TTempDir>());
            WriteBytes(*Folders.back() / ("song " + std::to_string(i) + ".mp3"), Mp3At(128));
        }
    }

    std::string Folder(std::size_t i) const { return Folders[i]->Path().string(); }

    QStringList Captions() const
    {
        QStringList captions;
        for (int slot = 0; slot < 10; ++slot) {
            captions << Program.RecentItem(slot)->text();
        }
        return captions;
    }

    std::vector<std::unique_ptr<TTempDir>> Folders;
    TMainWindowHarness Program;
};

QTEST_MAIN(TMainFormRecentTest)
#include "main_form_recent_test.moc"
