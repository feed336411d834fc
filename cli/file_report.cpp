#include "cli/file_report.h"

#include "cli/line_text.h"

TFileReport::TFileReport(std::ostream& out, bool json) : Out(out), Json(json), Array(out)
{
}

void TFileReport::Add(const TFields& fields)
{
    if (Json) {
        TJson record = TJson::object();
        for (const auto& [key, value] : fields) {
            const auto* number = std::get_if<std::int64_t>(&value);
            record[std::string(key)] =
                number != nullptr ? TJson(*number) : JsonText(std::get<std::string>(value));
        }
        Array.Add(record);
        return;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto* number = std::get_if<std::int64_t>(&fields[i].second);
        Out << (i > 0 ? "\t" : "")
            << (number != nullptr ? std::to_string(*number)
                                  : LineText(std::get<std::string>(fields[i].second)));
    }
    Out << '\n';
}

void TFileReport::Finish()
{
    if (Json) {
        Array.Finish();
    }
}
