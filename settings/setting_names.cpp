#include "settings/setting_names.h"

#include "workspace/options.h"

#include <algorithm>

namespace {

constexpr int FormulaValueCount = 6; // "Last Sep_1" .. "Last Sep_6", "Last Field_1" .. "_6"

QString SepName(int k)
{
    return QStringLiteral("Last Sep_%1").arg(k + 1);
}

QString FieldName(int k)
{
    return QStringLiteral("Last Field_%1").arg(k + 1);
}

bool IsFormulaValue(const QString& name)
{
    for (int k = 0; k < FormulaValueCount; ++k) {
        if (name == SepName(k) || name == FieldName(k)) {
            return true;
        }
    }
    return false;
}

// The decimal names the program writes: "0", "1", ..., never "01" or "+1".
bool IsIndexName(const QString& name)
{
    bool ok = false;
    const int index = name.toInt(&ok, 10);
    return ok && index >= 0 && QString::number(index) == name;
}

template <typename TNames> bool Contains(const TNames& names, const QString& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

TSettingKey EnabledFieldKey(std::size_t field)
{
    return {EnabledFieldsSection, EnabledFieldNames.at(field)};
}

TSettingKey RecentPathKey(std::size_t slot)
{
    return {RecentPathsSection, QStringLiteral("0%1").arg(slot)};
}

TSettingKey LastSepKey(int k)
{
    return {GeneralSection, SepName(k)};
}

TSettingKey LastFieldKey(int k)
{
    return {GeneralSection, FieldName(k)};
}

TSettingKey FormulaSepKey(int slot, int k)
{
    return {FormulaListSection + QLatin1Char('/') + QString::number(slot), SepName(k)};
}

TSettingKey FormulaFieldKey(int slot, int k)
{
    return {FormulaListSection + QLatin1Char('/') + QString::number(slot), FieldName(k)};
}

TSettingKey MacroItemKey(int index)
{
    return {MacroSection, QString::number(index)};
}

TSettingKey PlacementKey(const QString& section, QLatin1String name)
{
    return {section, name};
}

QStringList StoreSections()
{
    QStringList sections = {GeneralSection,     BitRateSection,     EnabledFieldsSection,
                            RecentPathsSection, FormulaListSection, MacroSection};
    for (const auto section : PlacementSections) {
        sections << section;
    }
    return sections;
}

bool IsKnownKey(const QString& key)
{
    const QStringList parts = key.split(QLatin1Char('/'));
    if (parts.size() == 3) {
        return parts[0] == FormulaListSection && IsIndexName(parts[1]) && IsFormulaValue(parts[2]);
    }
    if (parts.size() != 2) {
        return false;
    }
    const TSettingKey fixed[] = {
        LastMacrosKey,   LastPathKey,       LimitTo64Key,   AutoTrimSpacesKey, FormulaCountKey,
        FormulaIndexKey, WarningBitRateKey, LowBitRateKey,  HighBitRateKey,    ExcludeIfWarningKey,
        MacroTotalKey,   MacroIndexKey,     TagCodePageKey, WriteId3v2Key};
    const QString& section = parts[0];
    const QString& name = parts[1];
    if (std::any_of(std::begin(fixed), std::end(fixed), [&](const TSettingKey& known) {
            return known.Section == section && known.Name == name;
        })) {
        return true;
    }
    if (section == GeneralSection) {
        return IsFormulaValue(name);
    }
    if (section == EnabledFieldsSection) {
        return Contains(EnabledFieldNames, name);
    }
    if (section == RecentPathsSection) {
        for (std::size_t slot = 0; slot < RecentPathCount; ++slot) {
            if (RecentPathKey(slot).Name == name) {
                return true;
            }
        }
        return false;
    }
    if (section == MacroSection) {
        return IsIndexName(name);
    }
    const std::array<QLatin1String, 5> placement = {PlacementWidth, PlacementHeight, PlacementLeft,
                                                    PlacementTop, PlacementState};
    return Contains(PlacementSections, section) && Contains(placement, name);
}
