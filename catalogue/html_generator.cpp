#include "catalogue/html_generator.h"

#include "catalogue/collect_songs.h"
#include "catalogue/copy_templates.h"
#include "catalogue/page_values.h"
#include "catalogue/songs_page.h"
#include "catalogue/tag_pages.h"
#include "catalogue/target_check.h"
#include "engine/path_parts.h"

std::string CatalogueFolder(const std::string& htmlPath)
{
    return WithTrailingSlash(htmlPath.empty() ? std::string("/") : htmlPath) + "HTML/";
}

THtmlRunResult GenerateHtmlCatalogue(const std::vector<std::string>& paths,
                                     const THtmlRunOptions& options, THtmlSongTable& songs,
                                     THtmlProgress& progress, const TYieldFn& yield)
{
    THtmlRunResult result;
    const std::string templateFolder = WithTrailingSlash(ExpandFullPath(options.TemplateFolder));
    const std::string htmlFolder = CatalogueFolder(ExpandFullPath(options.HtmlPath));
    result.Refusal = TargetConflict(templateFolder, htmlFolder);
    if (!result.Refusal.empty()) {
        return result;
    }
    CopyHtmlTemplates(templateFolder, htmlFolder, yield, result.Failures);

    progress.Show();
    CollectSongs(paths, songs, progress, yield, result.Failures);
    progress.Range(1);
    progress.Position(1);
    progress.Text("Waiting ...");
    progress.Refresh();

    const TPageValues page = MakePageValues(options.Now, options.Regional);
    WriteTagPages(songs, page, templateFolder, htmlFolder, progress, result.Failures);
    WriteSongsPage(songs, page, templateFolder, htmlFolder, result.Failures);
    progress.Hide();
    return result;
}
