#include "engine/block_reader.h"
#include "ui/components/locale_settings.h"
#include "ui/components/qt_prompts.h"
#include "ui/main/main_window.h"
#include "ui/main/windows.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char* const Usage = "Usage: cantrel [FOLDER | FILE]\n"
                          "Opens the folder, or the folder of the file with the file selected.\n";

} // namespace

// cantrel [PATH]: PATH is opened once the main window shows.
int main(int argc, char** argv)
{
    KeepFreedBuffers();
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(Usage, stdout);
        return 0;
    }
    QApplication app(argc, argv); // takes Qt's own options out of argv
    QApplication::setApplicationName(QStringLiteral("Cantrel"));
    QApplication::setDesktopFileName(QStringLiteral("example.velmor.Cantrel"));
    InstallTranslation(app);
    if (argc > 2) {
        std::fputs(Usage, stderr);
        return 2;
    }

    TQtPrompts prompts;
    TApplicationWindows windows(prompts);
    if (argc == 2) {
        const std::string path = argv[1];
        TMainWindow* main = windows.Windows().MainWindow;
        QTimer::singleShot(0, main, [main, path] { main->OpenPath(path); });
    }
    return windows.Run();
}
