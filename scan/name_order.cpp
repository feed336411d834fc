#include "scan/name_order.h"

bool NameOrderLess(std::string_view a, std::string_view b)
{
    const int folded = CompareIgnoringCase(a, b);
    if (folded != 0) {
        return folded < 0;
    }
    // string_view compares as unsigned bytes (char_traits<char>::compare uses memcmp)
    return a < b;
}
