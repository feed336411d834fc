#include "engine/regional_settings.h"

#include "engine/ascii_text.h"

#include <cerrno>
#include <clocale>
#include <iconv.h>
#include <langinfo.h>

namespace {

// Converts locale texts from the locale's character set (that of LC_CTYPE, taken for every
// category) to UTF-8; an empty result means the text could not be converted.
class TLocaleText
{
public:
    TLocaleText()
    {
        const char* codeset = nl_langinfo(CODESET);
        if (codeset == nullptr || EqualsIgnoringCase(codeset, "UTF-8") ||
            EqualsIgnoringCase(codeset, "utf8")) {
            return;
        }
        Converter = iconv_open("UTF-8", codeset);
    }
    ~TLocaleText()
    {
        if (Converter != InvalidConverter) {
            iconv_close(Converter);
        }
    }
    TLocaleText(const TLocaleText&) = delete;
    TLocaleText& operator=(const TLocaleText&) = delete;

    std::string ToUtf8(const char* text) const
    {
        if (text == nullptr) {
            return {};
        }
        std::string input(text);
        if (Converter == InvalidConverter) {
            return input;
        }
        iconv(Converter, nullptr, nullptr, nullptr, nullptr);
        std::string output(input.size() * 4 + 4, '\0');
        char* in = input.data();
        std::size_t inLeft = input.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        if (iconv(Converter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
            return {};
        }
        output.resize(output.size() - outLeft);
        return output;
    }

private:
    static inline const iconv_t InvalidConverter = reinterpret_cast<iconv_t>(-1);
    iconv_t Converter = InvalidConverter;
};

bool IsHourConversion(char c)
{
    return c == 'H' || c == 'I' || c == 'k' || c == 'l';
}

// One conversion of a strftime format and the literal text after it, up to the next one.
struct TConversion
{
    char Letter = '\0';
    std::string_view Literal;
};

// The conversion starting at `pos` (a "%"), with the alternative forms %E. and %O. read as the
// plain letter; `pos` moves to the next "%".
TConversion NextConversion(std::string_view format, std::size_t& pos)
{
    TConversion conversion;
    ++pos;
    while (pos < format.size() && (format[pos] == 'E' || format[pos] == 'O')) {
        ++pos;
    }
    if (pos >= format.size()) {
        return conversion;
    }
    conversion.Letter = format[pos];
    const auto next = format.find('%', pos + 1);
    conversion.Literal = format.substr(
        pos + 1, next == std::string_view::npos ? std::string_view::npos : next - pos - 1);
    pos = next == std::string_view::npos ? format.size() : next;
    return conversion;
}

std::string_view WithoutSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string TimeSeparatorOfFormat(std::string_view timeFormat)
{
    std::size_t pos = timeFormat.find('%');
    while (pos < timeFormat.size()) {
        const TConversion conversion = NextConversion(timeFormat, pos);
        if (conversion.Letter == 'T' || conversion.Letter == 'R' || conversion.Letter == 'r') {
            return ":";
        }
        if (!IsHourConversion(conversion.Letter)) {
            continue;
        }
        const std::string_view separator = WithoutSpaces(conversion.Literal);
        if (separator.empty()) {
            return ":";
        }
        // Unit words such as "%H时%M分%S秒" separate nothing: one text must stand between hours
        // and minutes and between minutes and seconds.
        if (pos < timeFormat.size()) {
            const TConversion minutes = NextConversion(timeFormat, pos);
            if (minutes.Letter == 'M' && pos < timeFormat.size() &&
                NextConversion(timeFormat, pos).Letter == 'S' &&
                WithoutSpaces(minutes.Literal) != separator) {
                return ":";
            }
        }
        return std::string(separator);
    }
    return ":";
}

TRegionalSettings RegionalSettingsOf(const TLocaleTexts& texts)
{
    TRegionalSettings settings;
    const auto take = [](std::string& target, const std::string& text) {
        if (!text.empty()) {
            target = text;
        }
    };
    take(settings.ThousandSeparator, texts.ThousandSeparator);
    take(settings.DecimalSeparator, texts.DecimalSeparator);
    settings.TimeSeparator = TimeSeparatorOfFormat(texts.TimeFormat);
    for (std::size_t day = 0; day < 7; ++day) {
        take(settings.ShortDayNames[day], texts.ShortDayNames[day]);
        take(settings.LongDayNames[day], texts.LongDayNames[day]);
    }
    for (std::size_t month = 0; month < 12; ++month) {
        take(settings.ShortMonthNames[month], texts.ShortMonthNames[month]);
        take(settings.LongMonthNames[month], texts.LongMonthNames[month]);
    }
    return settings;
}

TRegionalSettings TRegionalSettings::FromProcessLocale()
{
    TLocaleTexts texts;
    const TLocaleText locale;
    if (const std::lconv* numeric = std::localeconv()) {
        texts.ThousandSeparator = locale.ToUtf8(numeric->thousands_sep);
        texts.DecimalSeparator = locale.ToUtf8(numeric->decimal_point);
    }
    texts.TimeFormat = locale.ToUtf8(nl_langinfo(T_FMT));

    const nl_item shortDays[] = {ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4, ABDAY_5, ABDAY_6, ABDAY_7};
    const nl_item longDays[] = {DAY_1, DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7};
    for (std::size_t day = 0; day < 7; ++day) {
        texts.ShortDayNames[day] = locale.ToUtf8(nl_langinfo(shortDays[day]));
        texts.LongDayNames[day] = locale.ToUtf8(nl_langinfo(longDays[day]));
    }
    const nl_item shortMonths[] = {ABMON_1, ABMON_2, ABMON_3, ABMON_4,  ABMON_5,  ABMON_6,
                                   ABMON_7, ABMON_8, ABMON_9, ABMON_10, ABMON_11, ABMON_12};
    const nl_item longMonths[] = {MON_1, MON_2, MON_3, MON_4,  MON_5,  MON_6,
                                  MON_7, MON_8, MON_9, MON_10, MON_11, MON_12};
    for (std::size_t month = 0; month < 12; ++month) {
        texts.ShortMonthNames[month] = locale.ToUtf8(nl_langinfo(shortMonths[month]));
        texts.LongMonthNames[month] = locale.ToUtf8(nl_langinfo(longMonths[month]));
    }
    return RegionalSettingsOf(texts);
}
