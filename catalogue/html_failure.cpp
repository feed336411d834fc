#include "catalogue/html_failure.h"

#include <cstring>

std::string FailureReason(const std::string& what, int error)
{
    return error == 0 ? what : what + ": " + std::strerror(error);
}
