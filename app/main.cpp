#include "ui/components/qt_prompts.h"
#include "ui/main/main_form.h"
#include "ui/main/windows.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cantrel"));
    // the program ends with its main window, even while another window is open
    QApplication::setQuitOnLastWindowClosed(false);

    TQtPrompts prompts;
    TApplicationWindows windows(prompts);
    T_MainForm* mainForm = windows.Windows().MainForm;
    QObject::connect(mainForm, &T_MainForm::Closed, &app, &QCoreApplication::quit);
    mainForm->show();
    return QApplication::exec();
}
