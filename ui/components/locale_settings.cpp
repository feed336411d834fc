#include "ui/components/locale_settings.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace {

// The strftime conversion of a run of one Qt format letter; nothing for a letter that is text.
const char* ConversionOf(QChar letter)
{
    switch (letter.unicode()) {
    case 'h':
    case 'H':
        return "%H";
    case 'm':
        return "%M";
    case 's':
        return "%S";
    case 'a':
    case 'A':
        return "%p";
    case 'z':
        return ""; // milliseconds have no strftime form and separate nothing
    case 't':
        return "%Z";
    }
    return nullptr;
}

} // namespace

std::string StrftimeFormatOf(const QString& qtFormat)
{
    QString result;
    for (qsizetype i = 0; i < qtFormat.size();) {
        const QChar c = qtFormat.at(i);
        if (c == QLatin1Char('\'')) {
            // quoted text; two quotes stand for one, inside quotes or out
            if (++i < qtFormat.size() && qtFormat.at(i) == QLatin1Char('\'')) {
                result += c;
                ++i;
                continue;
            }
            while (i < qtFormat.size()) {
                const QChar quoted = qtFormat.at(i++);
                if (quoted != QLatin1Char('\'')) {
                    result += quoted == QLatin1Char('%') ? QStringLiteral("%%") : QString(quoted);
                } else if (i < qtFormat.size() && qtFormat.at(i) == QLatin1Char('\'')) {
                    result += quoted;
                    ++i;
                } else {
                    break;
                }
            }
            continue;
        }
        qsizetype run = 1;
        while (i + run < qtFormat.size() && qtFormat.at(i + run) == c) {
            ++run;
        }
        if (const char* conversion = ConversionOf(c)) {
            result += QLatin1String(conversion);
            // "AP" and "ap" are one marker
            if ((c == QLatin1Char('A') || c == QLatin1Char('a')) && i + run < qtFormat.size() &&
                qtFormat.at(i + run).toLower() == QLatin1Char('p')) {
                ++run;
            }
        } else {
            result += c == QLatin1Char('%') ? QStringLiteral("%%") : QString(run, c);
        }
        i += run;
    }
    return result.toStdString();
}

TRegionalSettings RegionalSettingsOf(const QLocale& locale)
{
    TLocaleTexts texts;
    texts.ThousandSeparator = locale.groupSeparator().toStdString();
    texts.DecimalSeparator = locale.decimalPoint().toStdString();
    texts.TimeFormat = StrftimeFormatOf(locale.timeFormat(QLocale::ShortFormat));
    for (std::size_t day = 0; day < 7; ++day) {
        // the settings count from Sunday, QLocale from Monday (1) to Sunday (7)
        const int qtDay = day == 0 ? 7 : static_cast<int>(day);
        texts.ShortDayNames[day] = locale.dayName(qtDay, QLocale::ShortFormat).toStdString();
        texts.LongDayNames[day] = locale.dayName(qtDay, QLocale::LongFormat).toStdString();
    }
    for (std::size_t month = 0; month < 12; ++month) {
        const int qtMonth = static_cast<int>(month) + 1;
        texts.ShortMonthNames[month] =
            locale.standaloneMonthName(qtMonth, QLocale::ShortFormat).toStdString();
        texts.LongMonthNames[month] =
            locale.standaloneMonthName(qtMonth, QLocale::LongFormat).toStdString();
    }
    return RegionalSettingsOf(texts);
}

TRegionalSettings SystemRegionalSettings()
{
    return RegionalSettingsOf(QLocale::system());
}

QTranslator* InstallTranslation(QCoreApplication& app, const QLocale& locale)
{
    auto translator = std::make_unique<QTranslator>(&app);
    if (!translator->load(locale, QStringLiteral("cantrel"), QStringLiteral("_"),
                          QStringLiteral(":/i18n"))) {
        return nullptr;
    }
    app.installTranslator(translator.get());
    return translator.release();
}
