#include "settings/registry.h"
#include "ui/components/display_path.h"
#include "ui/components/form_info.h"
#include "ui/main/main_form.h"

#include <QLineEdit>

namespace {

const QString General = QStringLiteral("General");
const QString BitRate = QStringLiteral("BitRate");
const QString EnabledFieldsSection = QStringLiteral("EnabledFields");
const QString RecentPathsSection = QStringLiteral("Recent Paths");

const char* const FieldNames[T_MainForm::FieldCount] = {"Title",   "Artist", "Album", "Year",
                                                        "Comment", "Genre",  "Track"};

QString RecentValueName(std::size_t slot)
{
    return QString::fromStdString(RecentPathValueName(slot));
}

} // namespace

void T_MainForm::LoadOptions()
{
    Options.LimitTo64 = ReadRegBool(General, QStringLiteral("Limit to 64"));
    Options.WarningBitRate = ReadRegBool(BitRate, QStringLiteral("Warning BitRate"));
    Options.LowBitRate =
        BitRateBound(ReadRegInteger(BitRate, QStringLiteral("Low BitRate")), DefaultLowBitRate);
    Options.HighBitRate =
        BitRateBound(ReadRegInteger(BitRate, QStringLiteral("High BitRate")), DefaultHighBitRate);
    Options.ExcludeIfWarning = ReadRegBool(BitRate, QStringLiteral("Exclude If Warning"));
    Options.AutoTrimSpaces = ReadRegBool(General, QStringLiteral("AutoTrim Spaces"));
}

void T_MainForm::LoadEnabledFields()
{
    for (int i = 0; i < FieldCount; ++i) {
        EnabledFields[i] = ReadRegBool(EnabledFieldsSection, QLatin1String(FieldNames[i]));
    }
}

void T_MainForm::LoadRecentPaths()
{
    for (std::size_t i = 0; i < RecentPaths.size(); ++i) {
        const QString stored = ReadRegString(RecentPathsSection, RecentValueName(i));
        RecentPaths[i] = RecentPathFromStore(PathBytes(stored), stored == RegNone);
    }
    RefreshRecentCaptions();
}

void T_MainForm::StoreRecentPaths()
{
    for (std::size_t i = 0; i < RecentPaths.size(); ++i) {
        WriteRegString(RecentPathsSection, RecentValueName(i), DisplayPath(RecentPaths[i]));
    }
}

bool T_MainForm::FormCloseQuery()
{
    FormInfo->Save();
    WriteRegString(General, QStringLiteral("Last Macros"), Edit6->text());
    emit StoringSettings();
    WriteRegString(General, QStringLiteral("Last Path For Files"), DisplayPath(CurrentFolder));
    for (int i = 0; i < FieldCount; ++i) {
        WriteRegBool(EnabledFieldsSection, QLatin1String(FieldNames[i]), EnabledFields[i]);
    }
    WriteRegBool(General, QStringLiteral("Limit to 64"), Options.LimitTo64);
    WriteRegBool(BitRate, QStringLiteral("Warning BitRate"), Options.WarningBitRate);
    WriteRegInteger(BitRate, QStringLiteral("Low BitRate"), Options.LowBitRate);
    WriteRegInteger(BitRate, QStringLiteral("High BitRate"), Options.HighBitRate);
    WriteRegBool(BitRate, QStringLiteral("Exclude If Warning"), Options.ExcludeIfWarning);
    WriteRegBool(General, QStringLiteral("AutoTrim Spaces"), Options.AutoTrimSpaces);
    StoreRecentPaths();
    return true;
}
