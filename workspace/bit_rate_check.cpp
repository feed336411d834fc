#include "workspace/bit_rate_check.h"

TBitRateVerdict CheckBitRate(const TMainOptions& options, std::int32_t bitRate)
{
    if (!options.WarningBitRate ||
        (options.LowBitRate <= bitRate && bitRate <= options.HighBitRate)) {
        return TBitRateVerdict::Accept;
    }
    return options.ExcludeIfWarning ? TBitRateVerdict::Exclude : TBitRateVerdict::Warn;
}
