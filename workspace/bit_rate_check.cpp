#include "workspace/bit_rate_check.h"

TBitRateVerdict CheckBitRate(const TMainOptions& options, std::int32_t bitRate)
{
    if (!options.WarningBitRate ||
        (options.LowBitRate <= bitRate && bitRate <= options.HighBitRate)) {
        return TBitRateVerdict::Accept;
    }
    return options.ExcludeIfWarning ? TBitRateVerdict::Exclude : TBitRateVerdict::Warn;
}

std::string BitRateWarningCaption(std::size_t count)
{
    return "Errors Found (BitRate Warning) :  " + std::to_string(count);
}

std::string BitRateFolderDoneCaption(std::size_t count)
{
    return "Errors Found (BitRate Warning) : " + std::to_string(count);
}

std::string BitRateLine(std::int32_t bitRate)
{
    return " BitRate : " + std::to_string(bitRate);
}
