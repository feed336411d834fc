#include "ui/components/qt_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Acts on the modal dialog as soon as the prompt has opened it.
void WhenModal(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog != nullptr);
        action(dialog);
    });
}

} // namespace

class QtPromptsTest : public QObject
{
    Q_OBJECT

private slots:
    void ConfirmDefaultsToCancel()
    {
        TQtPrompts prompts;
        WhenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
        QVERIFY(!prompts.Confirm(nullptr, "Attention !", "Write to ALL files ?"));
        WhenModal(
            [](QWidget* box) { static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click(); });
        QVERIFY(prompts.Confirm(nullptr, "Attention !", "Write to ALL files ?"));
    }

    void PickFolderShowsFoldersOnly()
    {
        QTemporaryDir temp;
        TQtPrompts prompts;
        bool foldersOnly = false;
        WhenModal([&](QWidget* widget) {
            auto* dialog = static_cast<QFileDialog*>(widget);
            foldersOnly = dialog->testOption(QFileDialog::ShowDirsOnly) &&
                          dialog->fileMode() == QFileDialog::Directory;
            dialog->selectFile(temp.path());
            static_cast<QDialog*>(dialog)->accept();
        });
        const std::optional<QString> folder =
            prompts.PickFolder(nullptr, "Select Path", QDir::homePath(), temp.path());
        QVERIFY(foldersOnly);
        QVERIFY(folder.has_value());
        QCOMPARE(QDir(*folder).canonicalPath(), QDir(temp.path()).canonicalPath());
    }

    void PickFolderCancelled()
    {
        TQtPrompts prompts;
        WhenModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
        QVERIFY(!prompts.PickFolder(nullptr, "Select Path", QDir::homePath(), QString()));
    }
};

QTEST_MAIN(QtPromptsTest)
#include "qt_prompts_test.moc"
