#pragma once

#include "cli/json_output.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// The lines the file commands print, one per file (or per batch): its fields separated by tabs,
// each text escaped as LineText does so that a name cannot break the line, or with --json one
// JSON array of objects with the fields under their keys.
class TFileReport
{
public:
    using TValue = std::variant<std::string, std::int64_t>;
    using TFields = std::vector<std::pair<std::string_view, TValue>>;

    TFileReport(std::ostream& out, bool json);
    void Add(const TFields& fields);
    // Ends the JSON array; nothing may be added after it.
    void Finish();

private:
    std::ostream& Out;
    bool Json;
    TJsonArrayWriter Array;
};
