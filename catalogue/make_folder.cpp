#include "catalogue/make_folder.h"

#include <algorithm>
#include <filesystem>

bool MakeFolder(const std::string& folder, THtmlFailures& failures)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!error && std::filesystem::is_directory(folder, error)) {
        return true;
    }
    THtmlFailure failure{folder, FailureReason("cannot create folder", error.value())};
    if (std::find(failures.begin(), failures.end(), failure) == failures.end()) {
        failures.push_back(std::move(failure));
    }
    return false;
}
