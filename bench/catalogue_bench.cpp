// Times a catalogue of 10,000 songs: the whole run (templates copied, every file analysed, all
// pages written) and the page writing alone, and reports the peak memory of the process.
//
// Usage: catalogue_bench [TEMPLATE_FOLDER] [SONGS]
// The template folder defaults to the "HTML" folder beside the program.

#include "bench/bench_folder.h"
#include "catalogue/html_generator.h"
#include "engine/path_parts.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

double SecondsSince(TClock::time_point start)
{
    return std::chrono::duration<double>(TClock::now() - start).count();
}

// Three MPEG-1 Layer III frames (44100 Hz, 128 kbit/s) and an ID3v1 trailer.
std::string SyntheticMp3(std::size_t i)
{
    std::string bytes(3 * 417, '\0');
    for (std::size_t frame = 0; frame < 3; ++frame) {
        bytes[frame * 417] = '\xFF';
        bytes[frame * 417 + 1] = '\xFB';
        bytes[frame * 417 + 2] = '\x90';
    }
    std::string trailer(128, '\0');
    const auto put = [&trailer](std::size_t offset, const std::string& text) {
        trailer.replace(offset, text.size(), text);
    };
    put(0, "TAG");
    put(3, "Song number " + std::to_string(i));
    put(33, "Artist " + std::to_string(i % 97));
    put(63, "Album " + std::to_string(i % 501));
    put(93, std::to_string(1960 + i % 60));
    put(97, "Comment & <notes>");
    trailer[126] = static_cast<char>(i % 20 + 1);
    trailer[127] = static_cast<char>(i % 150);
    return bytes + trailer;
}

bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string ProgramFolder()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string("./") : FolderPart(exe.string());
}

long PeakMemoryKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string templates = argc > 1 ? argv[1] : ProgramFolder() + "HTML";
    const std::size_t songCount = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 10000;
    if (!std::filesystem::exists(templates + "/_songs.htm")) {
        std::fprintf(stderr, "catalogue_bench: no _songs.htm in %s\n", templates.c_str());
        return 2;
    }
    const auto folder = MakeBenchFolder();
    if (!folder) {
        return 2;
    }
    const std::string root = folder->string() + "/";
    std::filesystem::create_directories(root + "music");

    auto start = TClock::now();
    std::vector<std::string> paths;
    paths.reserve(songCount);
    for (std::size_t i = 0; i < songCount; ++i) {
        paths.push_back(root + "music/Track " + std::to_string(i) + ".mp3");
        if (!WriteFile(paths.back(), SyntheticMp3(i))) {
            std::fprintf(stderr, "catalogue_bench: cannot write %s\n", paths.back().c_str());
            return 2;
        }
    }
    const double makeSeconds = SecondsSince(start);

    THtmlRunOptions options;
    options.TemplateFolder = templates;
    options.HtmlPath = root + "site";
    options.Now = {2026, 12, 6, 9, 5, 0};
    THtmlSongTable songs;
    THtmlProgress progress;
    start = TClock::now();
    const THtmlRunResult result = GenerateHtmlCatalogue(paths, options, songs, progress);
    const double runSeconds = SecondsSince(start);

    // the pages alone, from the table the run collected
    const TPageValues page = MakePageValues(options.Now, options.Regional);
    const std::string htmlFolder = root + "pages/HTML/";
    TFileFailures failures;
    start = TClock::now();
    WriteTagPages(songs, page, WithTrailingSlash(templates), htmlFolder, progress, failures);
    WriteSongsPage(songs, page, WithTrailingSlash(templates), htmlFolder, failures);
    const double pagesSeconds = SecondsSince(start);

    std::error_code error;
    const auto songsPageBytes = std::filesystem::file_size(root + "site/HTML/_songs.htm", error);
    std::printf("songs:                      %zu\n", songs.size());
    std::printf("making the MP3 files:       %.3f s\n", makeSeconds);
    std::printf("whole run (with analysis):  %.3f s   (target < 5 s)\n", runSeconds);
    std::printf("pages alone (generator):    %.3f s   (target < 1 s)\n", pagesSeconds);
    std::printf("songs page:                 %llu bytes\n",
                static_cast<unsigned long long>(error ? 0 : songsPageBytes));
    std::printf("failures:                   %zu\n", result.Failures.size() + failures.size());
    std::printf("peak memory (ru_maxrss):    %ld KiB\n", PeakMemoryKb());

    std::filesystem::remove_all(root, error);
    return result.Failures.empty() && failures.empty() && result.Refusal.empty() ? 0 : 1;
}
