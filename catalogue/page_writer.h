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

    // Creates the file or empties an existing one, the page made from the template at
    // `templatePath`. 0 on success, otherwise the errno value: ELOOP for a symbolic link in the
    // file's place, EEXIST when the file is the template itself (a hard link to it); either is
    // left as it is.
    int Create(const std::string& path, const std::string& templatePath);

    void WriteLine(std::string_view line);

    // Closes the file. 0 when every line reached it, otherwise the errno value of the failure.
    int Close();

private:
    std::FILE* File = nullptr;
    int Error = 0;
};
