#include "scan/name_order.h"

#include <algorithm>

namespace {

unsigned char FoldCase(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

} // namespace

int CompareIgnoringCase(std::string_view a, std::string_view b)
{
    const auto common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto left = FoldCase(a[i]);
        const auto right = FoldCase(b[i]);
        if (left != right) {
            return left < right ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

bool NameOrderLess(std::string_view a, std::string_view b)
{
    const int folded = CompareIgnoringCase(a, b);
    if (folded != 0) {
        return folded < 0;
    }
    // string_view compares as unsigned bytes (char_traits<char>::compare uses memcmp)
    return a < b;
}
