#include "catalogue/html_failure.h"

#include <cerrno>
#include <cstring>

std::string FailureReason(const std::string& what, int error)
{
    // pages and copies are never written through a link or onto their template, so these are
    // what the two errors mean here
    if (error == ELOOP) {
        return what + ": a symbolic link stands in its place and was left as it is";
    }
    if (error == EEXIST) {
        return what + ": it is the template itself (a link to it) and was left as it is";
    }
    return error == 0 ? what : what + ": " + std::strerror(error);
}
