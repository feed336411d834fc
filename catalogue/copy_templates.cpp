#include "catalogue/copy_templates.h"

#include "catalogue/make_folder.h"
#include "engine/path_parts.h"
#include "scan/tree_scanner.h"

#include <filesystem>

void CopyHtmlTemplates(const std::string& templateFolder, const std::string& htmlFolder,
                       const TYieldFn& yield, THtmlFailures& failures)
{
    MakeFolder(htmlFolder + "Tags/", failures);
    std::error_code error;
    if (!std::filesystem::is_directory(templateFolder, error)) {
        failures.push_back({templateFolder, "template folder missing"});
        return;
    }
    TTreeScanner scanner;
    scanner.FileMask = "*.*";
    scanner.Recursive = true;
    scanner.InitialDirectory = templateFolder;
    scanner.Yield = yield;
    scanner.OnFileFound = [&htmlFolder, &failures](TTreeScanner& sender) {
        const std::string& source = sender.FileFound();
        // the scanner reports paths below its normalised InitialDirectory
        const std::string& root = sender.InitialDirectory;
        const std::string folder = FolderPart(source);
        const std::string relative =
            folder.compare(0, root.size(), root) == 0 ? folder.substr(root.size()) : std::string();
        const std::string targetFolder = htmlFolder + relative;
        if (!MakeFolder(targetFolder, failures)) {
            return;
        }
        const std::string target = targetFolder + NamePart(source);
        std::error_code copyError;
        // a copy would go through a link to wherever it points, a template or any other file
        const char* inTheWay = nullptr;
        if (std::filesystem::is_symlink(std::filesystem::symlink_status(target, copyError))) {
            inTheWay = SymlinkInTheWay;
        } else if (std::filesystem::equivalent(source, target, copyError)) {
            inTheWay = TemplateInTheWay;
        }
        if (inTheWay != nullptr) {
            failures.push_back({target, std::string("cannot copy template: ") + inTheWay});
            return;
        }
        std::filesystem::copy_file(source, target,
                                   std::filesystem::copy_options::overwrite_existing, copyError);
        if (copyError) {
            failures.push_back({source, FailureReason("cannot copy template", copyError.value())});
        }
    };
    scanner.StartSearch();
}
