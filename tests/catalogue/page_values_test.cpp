#include "catalogue/page_values.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatCatalogueDateTime, UsesRegionalNamesAndTwoDigitFields)
{
    const TRegionalSettings english;
    // 6 December 2026 is a Sunday
    EXPECT_EQ(FormatCatalogueDateTime({2026, 12, 6, 9, 5, 42}, english),
              "Sunday, 06 - Dec - 2026  /  09 : 05");
    EXPECT_EQ(FormatCatalogueDateTime({2024, 2, 29, 23, 59, 0}, english),
              "Thursday, 29 - Feb - 2024  /  23 : 59");
    EXPECT_EQ(FormatCatalogueDateTime({2000, 1, 1, 0, 0, 0}, english),
              "Saturday, 01 - Jan - 2000  /  00 : 00");

    TRegionalSettings german;
    german.LongDayNames = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                           "Donnerstag", "Freitag", "Samstag"};
    german.ShortMonthNames[11] = "Dez";
    EXPECT_EQ(FormatCatalogueDateTime({2026, 12, 6, 9, 5, 0}, german),
              "Sonntag, 06 - Dez - 2026  /  09 : 05");
}

TEST(FormatCatalogueDateTime, UnknownDateDoesNotReadOutsideTheNames)
{
    const std::string text = FormatCatalogueDateTime({}, TRegionalSettings{});
    EXPECT_NE(text.find(" - Jan - 0000  /  00 : 00"), std::string::npos) << text;
}

TEST(MakePageValues, HoldsHeaderAndNotice)
{
    const TPageValues page = MakePageValues({2026, 12, 6, 9, 5, 0}, TRegionalSettings{});
    EXPECT_EQ(page.CaptionHeader, "This Page was generated with Cantrel v2.0 at ");
    EXPECT_EQ(page.DateTime, "Sunday, 06 - Dec - 2026  /  09 : 05");
    EXPECT_FALSE(page.Copyright.empty());
}

} // namespace
