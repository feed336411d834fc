#include "catalogue/songs_page.h"

#include "catalogue/line_reader.h"
#include "catalogue/make_folder.h"
#include "catalogue/open_template.h"
#include "catalogue/page_writer.h"
#include "catalogue/substitute_line.h"

#include <vector>

namespace {

constexpr std::string_view SongNameWord = "song_name_from_tags";
constexpr std::string_view SongsFileNameWord = "songs_file_name";

// A block line for one song. Block lines get extra passes, so that a link to the song's page and
// its name may appear twice on one line.
std::string ExpandBlockLine(const std::string& line, const THtmlSong& song, const TPageValues& page)
{
    std::string result = SubstituteLine(line, song, page);
    if (result.find(SongsFileNameWord) != std::string::npos) {
        result = SubstituteLine(result, song, page);
    }
    if (result.find(SongNameWord) != std::string::npos) {
        result = SubstituteLine(result, song, page);
    }
    return result;
}

void WriteBlock(const std::vector<std::string>& block, const THtmlSongTable& songs,
                const TPageValues& page, TPageWriter& writer)
{
    for (const THtmlSong& song : songs) {
        for (const std::string& line : block) {
            writer.WriteLine(ExpandBlockLine(line, song, page));
        }
    }
}

} // namespace

void WriteSongsPage(const THtmlSongTable& songs, const TPageValues& page,
                    const std::string& templateFolder, const std::string& htmlFolder,
                    THtmlFailures& failures)
{
    if (songs.empty()) {
        return;
    }
    MakeFolder(htmlFolder + "Tags/", failures);
    const std::string templatePath = templateFolder + "_songs.htm";
    TLineReader reader;
    if (const auto reason = OpenTemplate(reader, templatePath); !reason.empty()) {
        failures.push_back({templatePath, reason});
        return;
    }
    const std::string pagePath = htmlFolder + "_songs.htm";
    TPageWriter writer;
    if (auto reason = writer.Create(pagePath, templatePath); !reason.empty()) {
        failures.push_back({pagePath, std::move(reason)});
        return;
    }
    // song words outside a block have no song to stand for: they give empty texts
    const THtmlSong noSong;
    std::vector<std::string> block;
    std::string line;
    while (reader.ReadLine(line)) {
        if (line == EndRepetitionMarker) {
            continue;
        }
        if (line != BeginRepetitionMarker) {
            writer.WriteLine(SubstituteLine(line, noSong, page));
            continue;
        }
        // the empty line stands in the marker's place, so every copy starts with one
        block.assign(1, std::string());
        bool lastLineFollows = false;
        while (reader.ReadLine(line)) {
            if (line == EndRepetitionMarker) {
                break;
            }
            // without an end marker the template's last line is not part of the block
            if (reader.AtEnd()) {
                lastLineFollows = true;
                break;
            }
            block.push_back(line);
        }
        WriteBlock(block, songs, page, writer);
        if (lastLineFollows) {
            writer.WriteLine(SubstituteLine(line, noSong, page));
        }
    }
    if (const int code = writer.Close(); code != 0) {
        failures.push_back({pagePath, FailureReason("page incomplete", code)});
    }
}
