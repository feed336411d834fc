// Times listing a folder of a million empty .mp3 files in the main window (time and peak memory),
// then a folder of 10,000 small ones without and with the bit-rate check. "--list FOLDER" lists
// FOLDER alone. With "--shot DIR
// [FOLDER]" it lists FOLDER (or a small generated one), selects the first file and saves the window
// at its minimum size and maximized as PNGs into DIR.

#include "bench/bench_folder.h"
#include "bench/ui/bench_windows.h"
#include "ui/main/main_window.h"
#include "ui/main/windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Two MPEG-1 Layer III frames (44100 Hz, `header` bit rate) and an ID3v1 trailer.
std::string SmallMp3(std::uint32_t header, int frameLength, const std::string& title,
                     const std::string& artist, int track)
{
    std::string frame(static_cast<std::size_t>(frameLength), '\0');
    for (int i = 0; i < 4; ++i) {
        frame[static_cast<std::size_t>(i)] = static_cast<char>((header >> (24 - 8 * i)) & 0xFF);
    }
    std::string tag(128, '\0');
    tag.replace(0, 3, "TAG");
    tag.replace(3, std::min<std::size_t>(title.size(), 30), title.substr(0, 30));
    tag.replace(33, std::min<std::size_t>(artist.size(), 30), artist.substr(0, 30));
    tag.replace(63, 12, "Blue Harbour");
    tag.replace(93, 4, "1998");
    tag[126] = static_cast<char>(track);
    tag[127] = 17;
    return frame + frame + frame + tag;
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

void MakeFolder(const QString& folder, int count)
{
    for (int i = 0; i < count; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "/Track %05d - Harbour Lights.mp3", i);
        const bool low = i % 10 == 9; // every tenth file lies outside the band
        WriteFile(folder.toStdString() + name,
                  SmallMp3(low ? 0xFFFB7000u : 0xFFFB9000u, low ? 313 : 417,
                           "Harbour Lights " + std::to_string(i), "The Quay Lanterns", i % 99));
    }
}

double ListSeconds(TBenchWindows& bench, const QString& folder)
{
    QElapsedTimer clock;
    clock.start();
    const int listed = bench.Open(folder);
    QApplication::processEvents(); // the list drawn with its rows
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    std::printf("  listed %d files\n", listed);
    return seconds;
}

void Wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

// Lists `folder` once, with its time and the program's peak memory.
void ListOnce(TBenchWindows& bench, const QString& folder)
{
    const double before = PeakMegabytes();
    const double seconds = ListSeconds(bench, folder);
    std::printf("one folder: %.3f s, peak memory %.0f MB (%.0f MB before)\n", seconds,
                PeakMegabytes(), before);
}

// Lists a folder of `count` empty files: only their names matter without the bit-rate check.
void MillionFiles(TBenchWindows& bench, int count)
{
    const auto folder = MakeBenchFolder();
    if (!folder) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "/Track %07d - Harbour Lights.mp3", i);
        const int fd = ::open((folder->string() + name).c_str(), O_CREAT | O_WRONLY, 0644);
        if (fd >= 0) {
            ::close(fd);
        }
    }
    std::printf("Listing %d empty .mp3 files in one folder (target: at most 2.5 s and 200 MB)\n",
                count);
    ListOnce(bench, QString::fromStdString(folder->string()));
    std::error_code ignored;
    std::filesystem::remove_all(*folder, ignored);
}

int Shots(TBenchWindows& bench, const QString& dir, QString folder)
{
    TMainWindow* mainForm = bench.Main();
    QTemporaryDir generated;
    if (folder.isEmpty()) {
        folder = generated.path();
        MakeFolder(folder, 40);
    }
    mainForm->show();
    ListSeconds(bench, folder);
    bench.SelectRow(2);
    Wait(250); // the window settles (layout and paint) before it is grabbed
    mainForm->resize(mainForm->minimumSize());
    QApplication::processEvents();
    mainForm->grab().save(dir + "/main_minimum.png");
    auto* helpButton = mainForm->findChild<QToolButton*>(QStringLiteral("HelpColumnButton"));
    helpButton->click();
    QApplication::processEvents();
    mainForm->grab().save(dir + "/main_help.png");
    helpButton->click();
    mainForm->resize(1280, 1000);
    QApplication::processEvents();
    mainForm->grab().save(dir + "/main_large.png");
    std::printf("saved main_minimum.png, main_help.png and main_large.png in %s\n",
                qPrintable(dir));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    TBenchWindows bench(argc, argv);
    TMainWindow* mainForm = bench.Main();

    const QStringList args = QApplication::arguments();
    if (args.size() >= 3 && args[1] == QLatin1String("--shot")) {
        return Shots(bench, args[2], args.size() >= 4 ? args[3] : QString());
    }
    if (args.size() >= 3 && args[1] == QLatin1String("--list")) {
        mainForm->show();
        ListOnce(bench, args[2]);
        return 0;
    }

    mainForm->show();
    QApplication::processEvents();
    MillionFiles(bench, 1000000);

    constexpr int FileCount = 10000;
    QTemporaryDir folder;
    MakeFolder(folder.path(), FileCount);

    std::printf("Listing %d .mp3 files (target: under 1 s without the bit-rate check)\n",
                FileCount);
    const double plain = ListSeconds(bench, folder.path());
    std::printf("normal scan, no bit-rate check: %.3f s\n", plain);
    const double again = ListSeconds(bench, folder.path());
    std::printf("normal scan again (warm):       %.3f s\n", again);

    bench.Windows.Work().Options.WarningBitRate = true;
    bench.Windows.Work().Options.LowBitRate = 0;
    const double inBand = ListSeconds(bench, folder.path());
    std::printf("with bit-rate check, all in band:  %.3f s\n", inBand);
    bench.Windows.Work().Options.LowBitRate = 112;
    const double checked = ListSeconds(bench, folder.path());
    std::printf("with bit-rate check, 10%% warned:   %.3f s (%zu warnings)\n", checked,
                bench.Windows.Work().BitRateErrorFiles.size());
    return 0;
}
