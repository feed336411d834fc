#include "engine/file_failure.h"

#include <cstring>

std::string ErrorText(const std::string& what, int error)
{
    return error == 0 ? what : what + ": " + std::strerror(error);
}

TFileFailure FailureFromCode(const std::string& path, int code, const std::string& what)
{
    if (code == -1) {
        return {path, 0, TFailureReason::Missing, what + ": file not found"};
    }
    return {path, code, TFailureReason::None, ErrorText(what, code)};
}

TFileFailure FailureFromReason(const std::string& path, TFailureReason reason,
                               const std::string& text)
{
    return {path, 0, reason, text};
}
