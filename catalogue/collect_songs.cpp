#include "catalogue/collect_songs.h"

#include "catalogue/make_html_song.h"
#include "engine/mpeg_audio.h"
#include "workspace/batch_report.h"

#include <filesystem>

void CollectSongs(const std::vector<std::string>& paths, THtmlSongTable& songs,
                  THtmlProgress& progress, const TYieldFn& yield, THtmlFailures& failures)
{
    const std::size_t count = paths.size();
    songs.clear();
    songs.reserve(count);
    progress.Range(count);
    TMPEGAudio reader;
    for (std::size_t i = 0; i < count; ++i) {
        progress.Position(i);
        progress.Text(ProgressText(static_cast<int>(i + 1), static_cast<int>(count)));
        progress.Refresh();
        reader.SetFileName(paths[i], yield);
        std::error_code error;
        if (!std::filesystem::exists(paths[i], error)) {
            failures.push_back({paths[i], "file missing"});
        }
        songs.push_back(MakeHtmlSong(reader, paths[i], i));
    }
}
