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

// Why a page or a copy was not written: a link stood in its place. Pages and copies are never
// written through a symbolic link, nor onto the template they come from.
inline constexpr const char* SymlinkInTheWay =
    "a symbolic link stands in its place and was left as it is";
inline constexpr const char* TemplateInTheWay =
    "it is the template itself (a link to it) and was left as it is";
