#include "ui/components/browse_directory_dlg.h"
#include "ui/support/scripted_prompts.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class BrowseDirectoryDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void ConfirmedPickBecomesTheSelectionCancelChangesNothing()
    {
        TScriptedPrompts prompts;
        TBrowseDirectoryDlg dlg(prompts, nullptr);
        QCOMPARE(dlg.Root, QDir::homePath());
        dlg.Title = "Select Path to MP3 Files to Process ...";
        prompts.AnswerFolder("/srv/music/");
        QVERIFY(dlg.Execute());
        QCOMPARE(dlg.Selection, QString("/srv/music"));
        QCOMPARE(prompts.FolderRequests.size(), 1);
        QCOMPARE(prompts.FolderRequests[0].Title, dlg.Title);
        QCOMPARE(prompts.FolderRequests[0].Root, QDir::homePath());
        // nothing preselected: the picker opens at its root
        QCOMPARE(prompts.FolderRequests[0].Start, QDir::homePath());

        dlg.Selection = QDir::tempPath();
        prompts.CancelFolder();
        QVERIFY(!dlg.Execute());
        QCOMPARE(dlg.Selection, QDir::tempPath());
        QCOMPARE(prompts.FolderRequests[1].Start, QDir::tempPath());
        QVERIFY(!dlg.Execute()); // an unanswered picker counts as cancelled too
    }

    void OpensAtWhatIsLeftOfAVanishedFolder()
    {
        QTemporaryDir temp;
        const QString music = temp.path() + "/Music";
        QVERIFY(QDir().mkpath(music + "/Old Album"));
        TScriptedPrompts prompts;
        TBrowseDirectoryDlg dlg(prompts, nullptr);

        dlg.Selection = music + "/Old Album";
        QCOMPARE(dlg.StartFolder(), music + "/Old Album");
        QVERIFY(QDir(music + "/Old Album").removeRecursively());
        QCOMPARE(dlg.StartFolder(), music);
        dlg.Selection = "/no such folder here/Music";
        QCOMPARE(dlg.StartFolder(), dlg.Root);
    }

    void TitleAndCaption()
    {
        TScriptedPrompts prompts;
        TBrowseDirectoryDlg dlg(prompts, nullptr);
        dlg.Caption = "Set Path for HTML Generation";
        QCOMPARE(dlg.PickerTitle(), QString("Set Path for HTML Generation"));
        dlg.Title = "Pick a folder";
        QCOMPARE(dlg.PickerTitle(), QString("Set Path for HTML Generation - Pick a folder"));
        dlg.Caption.clear();
        QCOMPARE(dlg.PickerTitle(), QString("Pick a folder"));
    }
};

QTEST_MAIN(BrowseDirectoryDlgTest)
#include "browse_directory_dlg_test.moc"
