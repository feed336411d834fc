#include "catalogue/open_template.h"

#include "catalogue/html_failure.h"

#include <cerrno>
#include <filesystem>

std::string OpenTemplate(TLineReader& reader, const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return "template missing";
    }
    if (!reader.Open(path)) {
        return FailureReason("cannot read template", errno);
    }
    return {};
}
