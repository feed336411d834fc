#pragma once

#include <cstdio>
#include <string>

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
