#pragma once

#include "engine/date_time.h"
#include "engine/regional_settings.h"

#include <string>

// The values that stand for the page-wide reserved words, the same for every song of a run.
struct TPageValues
{
    std::string DateTime;      // var_date_time
    std::string CaptionHeader; // var_caption_header
    std::string Copyright;     // var_copyright
};

// The text of "var_caption_header"; it ends with a blank so the date can follow.
inline constexpr const char* CaptionHeaderText = "This Page was generated with Cantrel v2.0 at ";

// The text of "var_copyright".
inline constexpr const char* CopyrightText = "Cantrel &copy; Velmor";

// "dddd, dd - mmm - yyyy  /  hh : nn" with the regional day and short month names, such as
// "Sunday, 06 - Dec - 2026  /  09 : 05" (hours 0 to 23).
std::string FormatCatalogueDateTime(const TDateTime& now, const TRegionalSettings& regional);

// The page-wide values of a run made at `now`.
TPageValues MakePageValues(const TDateTime& now, const TRegionalSettings& regional);
