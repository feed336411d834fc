#pragma once

#include "engine/regional_settings.h"

#include <QLocale>
#include <QString>

class QCoreApplication;
class QTranslator;

// The user's regional settings from the system locale, for the formatter.
TRegionalSettings SystemRegionalSettings();

// The regional settings of a Qt locale, by the same rules as the command line's.
TRegionalSettings RegionalSettingsOf(const QLocale& locale);

// Installs the translation of the program's texts for `locale` (by default the system's, from
// LANG), when one is shipped; English, the texts' own language, needs none. The translator, owned
// by `app`, or nullptr.
QTranslator* InstallTranslation(QCoreApplication& app, const QLocale& locale = QLocale());

// A Qt time format ("HH:mm", "h 'h' mm AP") in strftime form ("%H:%M", "%H h %M %p").
std::string StrftimeFormatOf(const QString& qtFormat);
