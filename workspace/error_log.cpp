#include "workspace/error_log.h"

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
