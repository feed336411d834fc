#include "workspace/options.h"

std::int32_t BitRateBound(std::int32_t stored, std::int32_t fallback)
{
    return stored == -1 ? fallback : stored;
}
