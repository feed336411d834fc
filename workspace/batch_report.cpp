#include "workspace/batch_report.h"

#include "engine/path_parts.h"

std::string ProgressText(int position, int range)
{
    return std::to_string(position) + " / " + std::to_string(range);
}

void TErrorLog::Clear()
{
    LogLines.clear();
    LastFolder.reset();
    EntryCount = 0;
}

void TErrorLog::AddEntry(const std::string& folder, const std::vector<std::string>& lines)
{
    if (!folder.empty() && LastFolder != folder) {
        LogLines.emplace_back();
        LogLines.push_back(folder);
        LogLines.emplace_back("----");
    }
    LastFolder = folder;
    LogLines.insert(LogLines.end(), lines.begin(), lines.end());
    ++EntryCount;
}

void TErrorLog::AddFailures(const TFileFailures& failures)
{
    for (const TFileFailure& failure : failures) {
        std::vector<std::string> lines{NamePart(failure.Path)};
        if (!failure.Text.empty()) {
            lines.push_back(failure.Text);
        }
        AddEntry(WithTrailingSlash(FolderPart(failure.Path)), lines);
    }
}

void TErrorLog::AddBitRateWarning(const std::string& folder, const std::string& name, int bitRate)
{
    LogLines.emplace_back();
    LogLines.push_back(folder);
    LogLines.push_back(name);
    LogLines.push_back(" BitRate : " + std::to_string(bitRate));
    // a batch entry after warnings starts its folder anew
    LastFolder.reset();
    ++EntryCount;
}

void TErrorLog::AddLine(const std::string& line)
{
    LogLines.push_back(line);
}

std::string BatchErrorsCaption(int count)
{
    return "Errors Found (files not processed correctly) :  " + std::to_string(count);
}

std::string BitRateWarningCaption(int count)
{
    return "Errors Found (BitRate Warning) :  " + std::to_string(count);
}

std::string BitRateFolderDoneCaption(int count)
{
    return "Errors Found (BitRate Warning) : " + std::to_string(count);
}
