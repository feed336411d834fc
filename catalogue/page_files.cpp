#include "catalogue/page_files.h"

#include "engine/path_parts.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

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
    // without blocking, and only a regular file: a pipe put in place of a template must not stall
    // the catalogue
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    struct stat info = {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || (File = ::fdopen(fd, "rb")) == nullptr) {
        const int code = S_ISREG(info.st_mode) ? errno : EINVAL;
        ::close(fd);
        errno = code;
        return false;
    }
    return true;
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

TPageWriter::~TPageWriter()
{
    Close();
}

std::optional<TFileFailure> TPageWriter::Create(const std::string& path,
                                                const std::string& templatePath)
{
    Close();
    Error = 0;
    const std::string what = "cannot write page";
    // emptying the page must never empty the template it is being made from
    std::error_code error;
    if (std::filesystem::equivalent(path, templatePath, error)) {
        return FailureFromReason(path, TFailureReason::Other, what + ": " + TemplateInTheWay);
    }
    // never through a symbolic link: it may lead to a template or to any other file of the user;
    // and without blocking, into a regular file only: a pipe in the page's place must not stall
    // the catalogue nor take the page
    const int fd = ::open(path.c_str(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0666);
    struct stat info = {};
    const bool regular = fd >= 0 && fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    File = regular ? ::fdopen(fd, "wb") : nullptr;
    if (File != nullptr) {
        return std::nullopt;
    }
    const int openError = errno != 0 ? errno : EIO;
    if (fd >= 0) {
        ::close(fd);
    }
    if (fd >= 0 && !regular) {
        return TFileFailure{path, EINVAL, TFailureReason::None, what + ": not a regular file"};
    }
    if (openError == ELOOP &&
        std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) {
        return FailureFromReason(path, TFailureReason::LinkInTheWay, what + ": " + SymlinkInTheWay);
    }
    return FailureFromCode(path, openError, what);
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

std::optional<TFileFailure> OpenTemplate(TLineReader& reader, const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return FailureFromReason(path, TFailureReason::Missing, "template missing");
    }
    if (!reader.Open(path)) {
        return FailureFromCode(path, errno, "cannot read template");
    }
    return std::nullopt;
}

void AddOnce(TFileFailures& failures, TFileFailure failure)
{
    if (std::find(failures.begin(), failures.end(), failure) == failures.end()) {
        failures.push_back(std::move(failure));
    }
}

bool MakeFolder(const std::string& folder, const std::string& htmlFolder, TFileFailures& failures)
{
    const std::string what = "cannot create folder";
    if (htmlFolder.empty() || folder.compare(0, htmlFolder.size(), htmlFolder) != 0) {
        AddOnce(failures, FailureFromReason(folder, TFailureReason::Other,
                                            what + ": it lies outside the catalogue folder"));
        return false;
    }
    std::error_code ignored;
    std::filesystem::create_directories(FolderPart(htmlFolder.substr(0, htmlFolder.size() - 1)),
                                        ignored);
    // from the catalogue folder down, one folder at a time, never through a link
    std::size_t end = htmlFolder.size() - 1;
    while (end != std::string::npos && end < folder.size()) {
        const std::string path = folder.substr(0, end);
        end = folder.find('/', end + 1);
        struct stat info = {};
        if (::lstat(path.c_str(), &info) == 0) {
            if (S_ISLNK(info.st_mode)) {
                AddOnce(failures, FailureFromReason(path + "/", TFailureReason::LinkInTheWay,
                                                    what + ": " + SymlinkInTheWay));
                return false;
            }
            if (S_ISDIR(info.st_mode)) {
                continue;
            }
            errno = ENOTDIR;
        } else if (errno == ENOENT && ::mkdir(path.c_str(), 0777) == 0) {
            continue;
        }
        AddOnce(failures, FailureFromCode(folder, errno != 0 ? errno : EIO, what));
        return false;
    }
    return true;
}
