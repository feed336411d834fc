#include "catalogue/html_failure.h"

#include <cerrno>
#include <cstring>

std::string FailureReason(const std::string& what, int error)
{
    if (error == ELOOP) {
        // pages and copies are never written through a link, so this is what the error means
        return what + ": a symbolic link stands in its place and was left as it is";
    }
    return error == 0 ? what : what + ": " + std::strerror(error);
}
