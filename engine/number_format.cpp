#include "engine/number_format.h"

namespace {

// At least `digits` digits, with a leading minus sign for negative values.
std::string Padded(std::int64_t value, int digits)
{
    const bool negative = value < 0;
    // the magnitude as unsigned, so that the smallest 64-bit value has one too
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string text;
    do {
        text.insert(text.begin(), static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (static_cast<int>(text.size()) < digits) {
        text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    }
    return negative ? "-" + text : text;
}

} // namespace

std::string FormatGrouped(std::int64_t value, std::string_view thousands)
{
    std::string digits = Padded(value, 1);
    const std::size_t first = value < 0 ? 1 : 0;
    std::string result;
    for (std::size_t pos = first; pos < digits.size(); ++pos) {
        if (pos > first && (digits.size() - pos) % 3 == 0) {
            result += thousands;
        }
        result += digits[pos];
    }
    return value < 0 ? "-" + result : result;
}

std::int64_t RoundedQuotient(std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t quotient = numerator / denominator;
    const std::int64_t remainder = numerator % denominator;
    // compare twice the remainder with the denominator without overflowing
    const bool halfOrMore = remainder >= 0 ? remainder >= denominator - remainder
                                           : -remainder >= denominator + remainder;
    if (!halfOrMore) {
        return quotient;
    }
    return numerator < 0 ? quotient - 1 : quotient + 1;
}

std::string FormatTenths(std::int64_t tenths, std::string_view decimal)
{
    const std::string sign = tenths < 0 ? "-" : "";
    const std::string digits = Padded(tenths, 2);
    // at least two digits: the last one is the decimal
    const std::string magnitude = tenths < 0 ? digits.substr(1) : digits;
    return sign + magnitude.substr(0, magnitude.size() - 1) + std::string(decimal) +
           magnitude.back();
}

std::string FormatDate(const TDateTime& time)
{
    return Padded(time.Day, 2) + "." + Padded(time.Month, 2) + "." + Padded(time.Year, 4);
}

std::string FormatTime(const TDateTime& time, std::string_view separator)
{
    const std::string sep(separator);
    return Padded(time.Hour, 2) + sep + Padded(time.Minute, 2) + sep + Padded(time.Second, 2);
}

std::string FormatMinutesSeconds(const TDateTime& time, std::string_view separator)
{
    return Padded(time.Minute, 2) + std::string(separator) + Padded(time.Second, 2);
}
