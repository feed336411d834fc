#include "catalogue/page_writer.h"

#include <cerrno>

TPageWriter::~TPageWriter()
{
    Close();
}

int TPageWriter::Create(const std::string& path)
{
    Close();
    Error = 0;
    File = std::fopen(path.c_str(), "wb");
    if (File == nullptr) {
        Error = errno != 0 ? errno : EIO;
    }
    return Error;
}

void TPageWriter::WriteLine(std::string_view line)
{
    if (File == nullptr || Error != 0) {
        return;
    }
    if (std::fwrite(line.data(), 1, line.size(), File) != line.size() ||
        std::fwrite("\r\n", 1, 2, File) != 2) {
        Error = errno != 0 ? errno : EIO;
    }
}

int TPageWriter::Close()
{
    if (File == nullptr) {
        return Error;
    }
    errno = 0;
    if (std::fclose(File) != 0 && Error == 0) {
        Error = errno != 0 ? errno : EIO;
    }
    File = nullptr;
    return Error;
}
