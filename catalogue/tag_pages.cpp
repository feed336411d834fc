#include "catalogue/tag_pages.h"

#include "catalogue/line_reader.h"
#include "catalogue/make_folder.h"
#include "catalogue/open_template.h"
#include "catalogue/page_writer.h"
#include "catalogue/substitute_line.h"

void WriteTagPages(const THtmlSongTable& songs, const TPageValues& page,
                   const std::string& templateFolder, const std::string& htmlFolder,
                   THtmlProgress& progress, THtmlFailures& failures)
{
    if (songs.empty()) {
        return;
    }
    const std::string tagsFolder = htmlFolder + "Tags/";
    // without the folder every page would fail alike; the folder is listed once instead
    if (!MakeFolder(tagsFolder, failures)) {
        return;
    }
    const std::string templatePath = templateFolder + "_tags.htm";
    bool templateFailed = false;
    std::string line;
    for (std::size_t i = 0; i < songs.size(); ++i) {
        // the template is looked for anew for each song
        TLineReader reader;
        if (const auto reason = OpenTemplate(reader, templatePath); !reason.empty()) {
            if (!templateFailed) {
                failures.push_back({templatePath, reason});
                templateFailed = true;
            }
            continue;
        }
        const std::string pagePath = tagsFolder + songs[i].PageFileName;
        TPageWriter writer;
        if (auto reason = writer.Create(pagePath, templatePath); !reason.empty()) {
            failures.push_back({pagePath, std::move(reason)});
            continue;
        }
        while (reader.ReadLine(line)) {
            writer.WriteLine(SubstituteLine(line, songs[i], page));
        }
        if (const int code = writer.Close(); code != 0) {
            failures.push_back({pagePath, FailureReason("page incomplete", code)});
        }
        progress.TagPagesWritten(i + 1);
    }
}
