#include "catalogue/line_reader.h"

namespace {

constexpr std::size_t BlockSize = 16 * 1024;

} // namespace

TLineReader::~TLineReader()
{
    if (File != nullptr) {
        std::fclose(File);
    }
}

bool TLineReader::Open(const std::string& path)
{
    File = std::fopen(path.c_str(), "rb");
    return File != nullptr;
}

bool TLineReader::Fill()
{
    if (Pos < Buffer.size()) {
        return true;
    }
    if (File == nullptr) {
        return false;
    }
    Buffer.resize(BlockSize);
    const std::size_t got = std::fread(Buffer.data(), 1, BlockSize, File);
    Buffer.resize(got);
    Pos = 0;
    return got > 0;
}

bool TLineReader::AtEnd()
{
    return !Fill();
}

bool TLineReader::ReadLine(std::string& line)
{
    line.clear();
    if (!Fill()) {
        return false;
    }
    while (Fill()) {
        const auto end = Buffer.find_first_of("\r\n", Pos);
        if (end == std::string::npos) {
            line.append(Buffer, Pos, std::string::npos);
            Pos = Buffer.size();
            continue;
        }
        line.append(Buffer, Pos, end - Pos);
        Pos = end + 1;
        // a CR followed by LF, possibly in the next block, is one line ending
        if (Buffer[end] == '\r' && Fill() && Buffer[Pos] == '\n') {
            ++Pos;
        }
        return true;
    }
    return true;
}
