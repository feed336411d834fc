#pragma once

#include <string>
#include <vector>

// Something a catalogue run could not do: a template it could not find or copy, a folder it
// could not make, a page it could not write. The run goes on after each.
struct THtmlFailure
{
    std::string Path;   // the file or folder concerned
    std::string Reason; // such as "template missing" or "cannot write page: Permission denied"

    bool operator==(const THtmlFailure&) const = default;
};

using THtmlFailures = std::vector<THtmlFailure>;

// "what: the system's error text" for an errno value.
std::string FailureReason(const std::string& what, int error);
