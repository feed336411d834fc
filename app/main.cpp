#include "ui/components/qt_prompts.h"
#include "ui/main/windows.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cantrel"));

    TQtPrompts prompts;
    TApplicationWindows windows(prompts);
    return windows.Run();
}
