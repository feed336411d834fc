#include "catalogue/page_writer.h"

#include "catalogue/html_failure.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

TPageWriter::~TPageWriter()
{
    Close();
}

std::string TPageWriter::Create(const std::string& path, const std::string& templatePath)
{
    Close();
    Error = 0;
    const std::string what = "cannot write page";
    // emptying the page must never empty the template it is being made from
    std::error_code error;
    if (std::filesystem::equivalent(path, templatePath, error)) {
        return what + ": " + TemplateInTheWay;
    }
    // never through a symbolic link: it may lead to a template or to any other file of the user
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    File = fd < 0 ? nullptr : ::fdopen(fd, "wb");
    if (File != nullptr) {
        return {};
    }
    const int openError = errno != 0 ? errno : EIO;
    if (fd >= 0) {
        ::close(fd);
    }
    if (openError == ELOOP &&
        std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) {
        return what + ": " + SymlinkInTheWay;
    }
    return FailureReason(what, openError);
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
