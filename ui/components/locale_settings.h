#pragma once

#include "engine/regional_settings.h"

#include <QLocale>
#include <QString>

// The user's regional settings from the system locale, for the formatter.
TRegionalSettings SystemRegionalSettings();

// The regional settings of a Qt locale, by the same rules as the command line's.
TRegionalSettings RegionalSettingsOf(const QLocale& locale);

// A Qt time format ("HH:mm", "h 'h' mm AP") in strftime form ("%H:%M", "%H h %M %p").
std::string StrftimeFormatOf(const QString& qtFormat);
