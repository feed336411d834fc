#pragma once

#include "engine/date_time.h"

#include <cstdint>
#include <string>
#include <string_view>

// Number, date and time texts of the macro formatter. Separators come from the regional settings;
// every field of a date or time has two digits, the year four.

// The whole number with `thousands` between groups of three digits: 3932160 -> "3,932,160".
std::string FormatGrouped(std::int64_t value, std::string_view thousands);

// numerator / denominator rounded to a whole number, halves away from zero (denominator > 0).
std::int64_t RoundedQuotient(std::int64_t numerator, std::int64_t denominator);

// A number given in tenths with one decimal: 38 -> "3.8", -5 -> "-0.5".
std::string FormatTenths(std::int64_t tenths, std::string_view decimal);

// "dd.mm.yyyy" with literal full stops.
std::string FormatDate(const TDateTime& time);

// "hh:nn:ss" with `separator` in place of each colon.
std::string FormatTime(const TDateTime& time, std::string_view separator);

// "nn:ss" (the hours are dropped) with `separator` in place of the colon.
std::string FormatMinutesSeconds(const TDateTime& time, std::string_view separator);
