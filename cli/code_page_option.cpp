#include "cli/code_page_option.h"

#include "cli/help_option.h"
#include "engine/code_page.h"

#include <optional>

namespace {

constexpr std::string_view CodePageOption = "--codepage";

void ListCodePages(std::ostream& out)
{
    out << "  --codepage NAME  code page of the tags (default " << DefaultTagCodePage.Name << "):\n"
        << "                  ";
    for (const TTagCodePage& page : TagCodePages()) {
        out << ' ' << page.Name;
    }
    out << '\n';
}

} // namespace

int RunWithCodePage(const char* command, TCommandFn run, const std::vector<std::string>& args,
                    std::ostream& out, std::ostream& err)
{
    std::vector<std::string> rest;
    std::optional<std::string> name;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.rfind(CodePageOption, 0) != 0) {
            optionsEnded = optionsEnded || arg == "--";
            rest.push_back(arg);
        } else if (arg == CodePageOption) {
            name = i + 1 < args.size() ? std::optional(args[++i]) : std::string();
        } else if (arg[CodePageOption.size()] == '=') {
            name = arg.substr(CodePageOption.size() + 1);
        } else {
            rest.push_back(arg); // another option that only starts alike
        }
    }
    if (AsksForHelp(rest)) {
        // a "-h" may be the value of another option: the command then reports a usage error and
        // its help, and so the code pages, are not printed
        const int status = run(rest, out, err, DefaultTagCodePage);
        if (status == 0) {
            ListCodePages(out);
        }
        return status;
    }
    const TTagCodePage* codePage = name ? FindTagCodePage(*name) : &DefaultTagCodePage;
    if (codePage == nullptr) {
        err << "cantrel-cli " << command << ": unknown code page '" << *name << "'; one of:\n";
        ListCodePages(err);
        return 2;
    }
    return run(rest, out, err, *codePage);
}
