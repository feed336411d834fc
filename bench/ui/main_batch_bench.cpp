// Times the main window's whole-path commands over a folder of small .mp3 files against the batch
// core alone on a copy of the same files:
//  - writing the artist box into every file (WriteTagButton) next to RunBatch with WriteTagToFile;
//  - renaming every file from a macro (RenameButton) next to RunBatch with TMacroRenamer. The
//    window's time includes listing the folder again afterwards, as the user waits for that too.
// The window is driven headless through the prompts interface, with the progress window shown.
//
// Usage: main_batch_bench [FILE_COUNT]   (default 5000)

#include "batch/batch_run.h"
#include "batch/macro_rename.h"
#include "batch/tag_write.h"
#include "bench/ui/bench_windows.h"
#include "engine/mpeg_audio.h"
#include "ui/components/panel.h"
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
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::string Macro = "%tr,t% - %t,t% (%a,t%)";
const std::string Artist = "Benchmark Artist";

// Three MPEG-1 Layer III frames at 128 kbit/s and an ID3v1 trailer with a title and a track.
std::string SmallMp3(int i)
{
    std::string frame(417, '\0');
    frame.replace(0, 4, "\xFF\xFB\x90\x00", 4);
    std::string tag(128, '\0');
    tag.replace(0, 3, "TAG");
    const std::string title = "Song " + std::to_string(i);
    tag.replace(3, title.size(), title);
    tag[126] = static_cast<char>(i % 99 + 1);
    return frame + frame + frame + tag;
}

std::vector<std::string> MakeFolder(const QString& folder, int count)
{
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        paths.push_back(folder.toStdString() + "/track " + std::to_string(i) + ".mp3");
        std::ofstream(paths.back(), std::ios::binary) << SmallMp3(i);
    }
    return paths;
}

// The paths of the files now in `folder`.
std::vector<std::string> FilesIn(const QString& folder)
{
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::directory_iterator(folder.toStdString())) {
        paths.push_back(entry.path().string());
    }
    return paths;
}

double Seconds(const QElapsedTimer& clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

void Report(const char* what, double window, double core, const TBatchResult& result)
{
    std::printf("  %-8s window %7.3f s   core %7.3f s   window / core: %.2f   (%d done, %zu "
                "refused)\n",
                what, window, core, window / core, result.Done, result.Failures.size());
}

} // namespace

int main(int argc, char** argv)
{
    TBenchWindows bench(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5000;
    QTemporaryDir windowFolder;
    QTemporaryDir coreFolder;
    MakeFolder(windowFolder.path(), count);
    const std::vector<std::string> coreFiles = MakeFolder(coreFolder.path(), count);

    bench.Prompts.ConfirmAnswer = true;
    TMainWindow* mainForm = bench.Main();
    mainForm->show();
    const int listed = bench.Open(windowFolder.path());
    std::printf("Whole-path commands of the main window over %d files (%d listed)\n", count,
                listed);

    auto* wholePath = mainForm->findChild<TPanel*>(QStringLiteral("WholePathPanel"));
    emit wholePath->Clicked(); // shows the first file, so the boxes are set after it
    // only the artist box takes part; the other fields keep each file's own values
    for (const char* check : {"TitleCheck", "ArtistCheck", "AlbumCheck", "YearCheck",
                              "CommentCheck", "GenreCheck", "TrackCheck"}) {
        mainForm->findChild<QCheckBox*>(QLatin1String(check))
            ->setChecked(QLatin1String(check) == QLatin1String("ArtistCheck"));
    }
    mainForm->findChild<QComboBox*>(QStringLiteral("ArtistBox"))
        ->setEditText(QString::fromStdString(Artist));
    QElapsedTimer clock;
    clock.start();
    mainForm->findChild<QToolButton*>(QStringLiteral("WriteTagButton"))->click();
    const double windowWrite = Seconds(clock);

    TBatchControl control;
    control.Yield = [] {};
    TMPEGAudio audio;
    TTagEdits edits;
    edits.Artist = Artist;
    clock.restart();
    const TBatchResult written = RunBatch(
        coreFiles,
        [&](const std::string& path, const TYieldFn& yield) {
            return WriteTagToFile(audio, path, edits, yield);
        },
        control);
    Report("write", windowWrite, Seconds(clock), written);

    mainForm->findChild<QLineEdit*>(QStringLiteral("MacroBox"))
        ->setText(QString::fromStdString(Macro));
    if (!mainForm->findChild<QCheckBox*>(QStringLiteral("WholePathBox"))->isChecked()) {
        emit wholePath->Clicked();
    }
    clock.restart();
    mainForm->findChild<QToolButton*>(QStringLiteral("RenameButton"))->click();
    const double windowRename = Seconds(clock);

    TMacroRenamer renamer(Macro, {}, {});
    clock.restart();
    const TBatchResult renamed = RunBatch(
        coreFiles,
        [&](const std::string& path, const TYieldFn& yield) {
            return renamer.Rename(path, yield).Outcome;
        },
        control);
    Report("rename", windowRename, Seconds(clock), renamed);

    const std::vector<std::string> windowNames = FilesIn(windowFolder.path());
    const bool same = windowNames.size() == static_cast<std::size_t>(count) &&
                      std::filesystem::path(windowNames.front()).filename().string().find(Artist) !=
                          std::string::npos;
    std::printf("  the window's files %s (%s)\n", same ? "carry the new names" : "were NOT renamed",
                windowNames.empty() ? "" : windowNames.front().c_str());
    return same ? 0 : 1;
}
