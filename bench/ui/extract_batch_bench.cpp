// Times a whole-path batch of the extraction window over 10,000 small .mp3 files against
// `cantrel-cli extract --write` with the same formula on a copy of the same files (target: the
// window within 2 times the command line). Pass another count as the first argument.

#include "bench/ui/bench_windows.h"
#include "cli/commands.h"
#include "ui/extract/extraction_window.h"
#include "ui/main/main_window.h"
#include "ui/main/windows.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Three MPEG-1 Layer III frames at 128 kbit/s and an ID3v1 trailer.
std::string SmallMp3(int i)
{
    std::string frame(417, '\0');
    frame.replace(0, 4, "\xFF\xFB\x90\x00", 4);
    std::string tag(128, '\0');
    tag.replace(0, 3, "TAG");
    tag.replace(3, 9, "Old Title");
    tag[126] = static_cast<char>(i % 99);
    return frame + frame + frame + tag;
}

std::vector<std::string> MakeFolder(const QString& folder, int count)
{
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        char name[80];
        std::snprintf(name, sizeof name, "/%05d [ The_Quay_Lanterns - Harbour ] - Light_%d.mp3", i,
                      i);
        paths.push_back(folder.toStdString() + name);
        std::ofstream(paths.back(), std::ios::binary) << SmallMp3(i);
    }
    return paths;
}

double Seconds(const QElapsedTimer& clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    TBenchWindows bench(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    QTemporaryDir windowFolder;
    QTemporaryDir cliFolder;
    MakeFolder(windowFolder.path(), count);
    const std::vector<std::string> cliFiles = MakeFolder(cliFolder.path(), count);

    bench.Prompts.ConfirmAnswer = true;
    TMainWindow* mainForm = bench.Main();
    mainForm->show();
    bench.Open(windowFolder.path());
    mainForm->findChild<QCheckBox*>(QStringLiteral("WholePathBox"))->setChecked(true);
    bench.SelectRow(0);
    mainForm->findChild<QToolButton*>(QStringLiteral("NameToTagButton"))->click();
    TExtractionWindow* form = bench.Windows.Windows().ExtractionWindow;
    form->findChild<QToolButton*>(QStringLiteral("TogglePathButton"))->click();

    std::printf("Whole-path extraction batch over %d files, default formula\n", count);
    QElapsedTimer clock;
    clock.start();
    form->findChild<QToolButton*>(QStringLiteral("OkButton"))->click();
    const double window = Seconds(clock);

    std::vector<std::string> args = {"--write"};
    args.insert(args.end(), cliFiles.begin(), cliFiles.end());
    std::ostringstream out;
    std::ostringstream err;
    clock.restart();
    RunCommandLine("extract", RunExtractCommand, args, out, err);
    const double cli = Seconds(clock);
    std::printf("  window batch:                 %.3f s\n", window);
    std::printf("  cantrel-cli extract --write:  %.3f s\n", cli);
    std::printf("  ratio: %.2f (target: at most 2)\n", window / cli);
    return 0;
}
