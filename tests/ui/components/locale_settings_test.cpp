#include "ui/components/locale_settings.h"

#include <QTest>

namespace {

class LocaleSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    // The window reads the time separator by the command line's rule, from Qt's time format.
    void TimeSeparatorOfQtFormats()
    {
        const std::pair<const char*, const char*> cases[] = {
            {"HH:mm", ":"},
            {"H.mm", "."},
            {"h:mm AP", ":"},
            {"ap h:mm", ":"},
            {"HH 'h' mm", "h"}, // a quoted unit word between hours and minutes
            {"HH'h'mm", "h"},
            {"H\xE6\x97\xB6mm\xE5\x88\x86ss\xE7\xA7\x92", ":"}, // hour, minute, second words
            {"mm:ss", ":"},
        };
        for (const auto& [format, separator] : cases) {
            const std::string strftime = StrftimeFormatOf(QString::fromUtf8(format));
            QCOMPARE(TimeSeparatorOfFormat(strftime), std::string(separator));
        }
        QCOMPARE(StrftimeFormatOf("H 'o''clock' '' %"), std::string("%H o'clock ' %%"));
        QCOMPARE(RegionalSettingsOf(QLocale::c()).TimeSeparator, std::string(":"));
    }
};

} // namespace

QTEST_MAIN(LocaleSettingsTest)
#include "locale_settings_test.moc"
