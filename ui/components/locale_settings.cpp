#include "ui/components/locale_settings.h"

#include <QLocale>

namespace {

// The first character between the hour and the minute of the locale's short time format.
std::string TimeSeparatorOf(const QString& format)
{
    const qsizetype hour = format.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    if (hour < 0) {
        return ":";
    }
    for (qsizetype i = hour; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (!c.isLetter()) {
            return QString(c).toStdString();
        }
    }
    return ":";
}

} // namespace

TRegionalSettings SystemRegionalSettings()
{
    const QLocale locale = QLocale::system();
    TRegionalSettings settings;
    settings.ThousandSeparator = locale.groupSeparator().toStdString();
    settings.DecimalSeparator = locale.decimalPoint().toStdString();
    settings.TimeSeparator = TimeSeparatorOf(locale.timeFormat(QLocale::ShortFormat));
    for (int day = 0; day < 7; ++day) {
        // the settings count from Sunday, QLocale from Monday (1) to Sunday (7)
        const int qtDay = day == 0 ? 7 : day;
        settings.ShortDayNames[day] = locale.dayName(qtDay, QLocale::ShortFormat).toStdString();
        settings.LongDayNames[day] = locale.dayName(qtDay, QLocale::LongFormat).toStdString();
    }
    for (int month = 0; month < 12; ++month) {
        settings.ShortMonthNames[month] =
            locale.standaloneMonthName(month + 1, QLocale::ShortFormat).toStdString();
        settings.LongMonthNames[month] =
            locale.standaloneMonthName(month + 1, QLocale::LongFormat).toStdString();
    }
    return settings;
}
