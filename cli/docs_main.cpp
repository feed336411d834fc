// cantrel-cli-docs: writes the texts made from cantrel-cli's option descriptions at build time.
//   cantrel-cli-docs man TEMPLATE OUTPUT     the manual page
//   cantrel-cli-docs bash OUTPUT             the bash completion
#include "cli/command_docs.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace {

bool WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out.flush());
}

} // namespace

int main(int argc, char** argv)
{
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "man" && argc == 4) {
        std::ifstream in(argv[2], std::ios::binary);
        const std::string page((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
        if (!in || page.find(ManCommandsMark) == std::string::npos) {
            std::cerr << "cantrel-cli-docs: " << argv[2] << " has no commands mark\n";
            return 1;
        }
        return WriteFile(argv[3], ManPageWithCommands(page)) ? 0 : 1;
    }
    if (what == "bash" && argc == 3) {
        return WriteFile(argv[2], BashCompletion()) ? 0 : 1;
    }
    std::cerr << "usage: cantrel-cli-docs man TEMPLATE OUTPUT | bash OUTPUT\n";
    return 2;
}
