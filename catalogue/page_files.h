#pragma once

#include "engine/file_failure.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

// Why a page or a copy was not written: a link stood in its place. Pages and copies are never
// written through a symbolic link, nor onto the template they come from.
inline constexpr const char* SymlinkInTheWay =
    "a symbolic link stands in its place and was left as it is";
inline constexpr const char* TemplateInTheWay =
    "it is the template itself (a link to it) and was left as it is";

// Reads a text file line by line; a line ends in LF, CR LF or a lone CR, and the last line needs
// no ending. The file is read in blocks, so a long file is never held in memory whole.
class TLineReader
{
public:
    TLineReader() = default;
    ~TLineReader();
    TLineReader(const TLineReader&) = delete;
    TLineReader& operator=(const TLineReader&) = delete;

    // False when the file cannot be opened for reading.
    bool Open(const std::string& path);

    // The next line without its ending; false at the end of the file (or on a read error).
    bool ReadLine(std::string& line);

    // True when no line is left to read.
    bool AtEnd();

private:
    // Makes sure a byte is buffered at Pos; false at the end of the file.
    bool Fill();

    std::FILE* File = nullptr;
    std::string Buffer;
    std::size_t Pos = 0;
};

// Writes a generated page line by line, each line ending in CR LF.
class TPageWriter
{
public:
    TPageWriter() = default;
    ~TPageWriter();
    TPageWriter(const TPageWriter&) = delete;
    TPageWriter& operator=(const TPageWriter&) = delete;

    // Creates the file or empties an existing one, for a page made from the template at
    // `templatePath`; why not ("cannot write page: ...") when it cannot. A symbolic link in the
    // file's place and the template itself (a hard link to it) are left as they are.
    std::optional<TFileFailure> Create(const std::string& path, const std::string& templatePath);

    void WriteLine(std::string_view line);

    // Closes the file. 0 when every line reached it, otherwise the errno value of the failure.
    int Close();

private:
    std::FILE* File = nullptr;
    int Error = 0;
};

// Opens a template for reading; why it cannot be read ("template missing" or
// "cannot read template: ...") when it cannot.
std::optional<TFileFailure> OpenTemplate(TLineReader& reader, const std::string& path);

// Creates `folder`, which is htmlFolder or lies below it, with any missing parents (both end in
// "/"). The folders above htmlFolder are the user's and are made as the system finds them, links
// and all; htmlFolder and every folder below it must be real folders, since a symbolic link there
// could lead into the templates or anywhere else: such a link is listed as the failure and left
// as it is, and nothing is made through it. A folder that cannot be made is added to the
// failures; each failure is added once, however often the folder is asked for; false then.
bool MakeFolder(const std::string& folder, const std::string& htmlFolder, TFileFailures& failures);

// Adds the failure unless it is listed already.
void AddOnce(TFileFailures& failures, TFileFailure failure);
