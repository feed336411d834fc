#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Writes a generated page line by line, each line ending in CR LF.
class TPageWriter
{
public:
    TPageWriter() = default;
    ~TPageWriter();
    TPageWriter(const TPageWriter&) = delete;
    TPageWriter& operator=(const TPageWriter&) = delete;

    // Creates the file or empties an existing one, for a page made from the template at
    // `templatePath`. "" on success, otherwise why not ("cannot write page: ..."); a symbolic
    // link in the file's place and the template itself (a hard link to it) are left as they are.
    std::string Create(const std::string& path, const std::string& templatePath);

    void WriteLine(std::string_view line);

    // Closes the file. 0 when every line reached it, otherwise the errno value of the failure.
    int Close();

private:
    std::FILE* File = nullptr;
    int Error = 0;
};
