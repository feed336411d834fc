#include "settings/stored_settings.h"

#include "engine/code_page.h"

#include <QFile>

#include <algorithm>
#include <map>

namespace {

// Stored paths are text; inside the program they are the bytes the file system gives.
std::string PathFromText(const QString& text)
{
    return QFile::encodeName(text).toStdString();
}

QString TextOfPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

const std::array<const char*, FormulaFieldCount> BoxSeparators = {"",      "[ ",  " - ",
                                                                  " ] - ", " - ", ""};
const std::array<const char*, FormulaFieldCount> ListSeparators = {"",      " [ ", " - ",
                                                                   " ] - ", " - ", ""};

TTagField DefaultField(int k)
{
    return static_cast<TTagField>(k);
}

TTagFormula ReadFormula(const TSettingsBatch& store, int slot)
{
    TTagFormula formula;
    for (int k = 0; k < FormulaFieldCount; ++k) {
        const auto sep = store.Value(FormulaSepKey(slot, k));
        formula.Sep[k] = sep ? sep->toStdString() : ListSeparators[k];
        const int field = store.ReadInteger(FormulaFieldKey(slot, k));
        // a number no field list can show would leave the box without a field
        formula.Field[k] =
            field >= 0 && field < TagFieldCount ? static_cast<TTagField>(field) : DefaultField(k);
    }
    return formula;
}

} // namespace

QString ReadLastMacro(const TSettingsBatch& store)
{
    return store.Value(LastMacrosKey).value_or(Text(std::string(DefaultMacro)));
}

void WriteLastMacro(TSettingsBatch& batch, const QString& macro)
{
    batch.WriteString(LastMacrosKey, macro);
}

std::optional<std::string> ReadLastFolder(const TSettingsBatch& store)
{
    const auto text = store.Value(LastPathKey);
    return text ? std::optional<std::string>(PathFromText(*text)) : std::nullopt;
}

void WriteLastFolder(TSettingsBatch& batch, const std::string& folder)
{
    batch.WriteString(LastPathKey, TextOfPath(folder));
}

TMainOptions ReadMainOptions(const TSettingsBatch& store)
{
    TMainOptions options;
    options.LimitTo64 = store.ReadBool(LimitTo64Key);
    options.WarningBitRate = store.ReadBool(WarningBitRateKey);
    options.LowBitRate = BitRateBound(store.ReadInteger(LowBitRateKey), DefaultLowBitRate);
    options.HighBitRate = BitRateBound(store.ReadInteger(HighBitRateKey), DefaultHighBitRate);
    options.ExcludeIfWarning = store.ReadBool(ExcludeIfWarningKey);
    options.AutoTrimSpaces = store.ReadBool(AutoTrimSpacesKey);
    options.WriteId3v2 = store.ReadBool(WriteId3v2Key);
    options.TagCodePage = TagCodePageOrDefault(store.ReadString(TagCodePageKey).toStdString());
    return options;
}

void WriteMainOptions(TSettingsBatch& batch, const TMainOptions& options)
{
    batch.WriteBool(LimitTo64Key, options.LimitTo64);
    batch.WriteBool(WarningBitRateKey, options.WarningBitRate);
    batch.WriteInteger(LowBitRateKey, options.LowBitRate);
    batch.WriteInteger(HighBitRateKey, options.HighBitRate);
    batch.WriteBool(ExcludeIfWarningKey, options.ExcludeIfWarning);
    batch.WriteBool(AutoTrimSpacesKey, options.AutoTrimSpaces);
    batch.WriteBool(WriteId3v2Key, options.WriteId3v2);
    batch.WriteString(TagCodePageKey, QString::fromLatin1(options.TagCodePage.Name));
}

TEnabledFields ReadEnabledFields(const TSettingsBatch& store)
{
    TEnabledFields fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i] = store.ReadBool(EnabledFieldKey(i));
    }
    return fields;
}

void WriteEnabledFields(TSettingsBatch& batch, const TEnabledFields& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        batch.WriteBool(EnabledFieldKey(i), fields[i]);
    }
}

TRecentPaths ReadRecentPaths(const TSettingsBatch& store)
{
    TRecentPaths paths;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const auto text = store.Value(RecentPathKey(i));
        paths[i] = RecentPathFromStore(text ? PathFromText(*text) : std::string(), !text);
    }
    return paths;
}

void WriteRecentPaths(TSettingsBatch& batch, const TRecentPaths& paths)
{
    for (std::size_t i = 0; i < paths.size(); ++i) {
        batch.WriteString(RecentPathKey(i), TextOfPath(paths[i]));
    }
}

TTagFormula ReadFormulaFields(const TSettingsBatch& store)
{
    TTagFormula formula;
    for (int k = 0; k < FormulaFieldCount; ++k) {
        const auto sep = store.Value(LastSepKey(k));
        formula.Sep[k] = sep ? sep->toStdString() : BoxSeparators[k];
        // an index the field list lacks leaves it without a selection: the list's own default
        const int field = store.ReadInteger(LastFieldKey(k));
        formula.Field[k] =
            field >= 0 && field < TagFieldCount ? static_cast<TTagField>(field) : DefaultField(k);
    }
    return formula;
}

void WriteFormulaFields(TSettingsBatch& batch, const TTagFormula& formula)
{
    for (int k = 0; k < FormulaFieldCount; ++k) {
        batch.WriteString(LastSepKey(k), Text(formula.Sep[k]));
        batch.WriteInteger(LastFieldKey(k), static_cast<int>(formula.Field[k]));
    }
}

TFormulaList ReadFormulaList(const TSettingsBatch& store)
{
    TFormulaList list;
    const int count = std::min(store.ReadInteger(FormulaCountKey), MaxFormulaCount);
    for (int slot = 0; slot < count; ++slot) {
        list.Formulas.push_back(ReadFormula(store, slot));
    }
    const int index = store.ReadInteger(FormulaIndexKey);
    list.CurrentIndex = index >= 0 && index < count ? index : 0;
    return list;
}

void WriteFormulaList(TSettingsBatch& batch, const TFormulaList& list)
{
    batch.Erase(FormulaListSection);
    const int count =
        static_cast<int>(std::min<std::size_t>(list.Formulas.size(), MaxFormulaCount));
    for (int slot = 0; slot < count; ++slot) {
        const TTagFormula& formula = list.Formulas[slot];
        for (int k = 0; k < FormulaFieldCount; ++k) {
            batch.WriteString(FormulaSepKey(slot, k), Text(formula.Sep[k]));
            batch.WriteInteger(FormulaFieldKey(slot, k), static_cast<int>(formula.Field[k]));
        }
    }
    batch.WriteInteger(FormulaCountKey, count);
    batch.WriteInteger(FormulaIndexKey, count == 0 ? 0 : list.CurrentIndex);
}

TMacroList ReadMacroList(const TSettingsBatch& store)
{
    TMacroList list;
    const int total = store.ReadInteger(MacroTotalKey);
    // only the stored items below "Total" are visited, so a huge count costs nothing
    std::map<int, QString> items;
    for (const QString& name : store.ValueNames(MacroSection)) {
        bool ok = false;
        const int index = name.toInt(&ok, 10);
        if (ok && index >= 0 && index < total && MacroItemKey(index).Name == name) {
            items.emplace(index, store.ReadString(MacroItemKey(index)));
        }
    }
    for (const auto& [index, macro] : items) {
        if (macro != QLatin1String(RegNone)) {
            list.Macros << macro;
        }
    }
    const int index = store.ReadInteger(MacroIndexKey);
    if (index >= 0 && !list.Macros.isEmpty()) {
        list.Index = index < list.Macros.size() ? index : 0;
    }
    return list;
}

void WriteMacroList(TSettingsBatch& batch, const TMacroList& list)
{
    batch.Erase(MacroSection);
    for (int i = 0; i < list.Macros.size(); ++i) {
        batch.WriteString(MacroItemKey(i), list.Macros[i]);
    }
    batch.WriteInteger(MacroTotalKey, static_cast<int>(list.Macros.size()));
    batch.WriteInteger(MacroIndexKey, std::max(list.Index, 0));
}

TPlacement ReadPlacement(const TSettingsBatch& store, const QString& section)
{
    const auto number = [&](QLatin1String name) -> std::optional<int> {
        const auto text = store.Value(PlacementKey(section, name));
        return text ? ParseStoredInteger(*text) : std::nullopt;
    };
    TPlacement placement;
    placement.Width = number(PlacementWidth);
    placement.Height = number(PlacementHeight);
    placement.Left = number(PlacementLeft);
    placement.Top = number(PlacementTop);
    if (const auto state = number(PlacementState)) {
        placement.Normal = *state != 0;
    }
    return placement;
}

void WritePlacement(TSettingsBatch& batch, const QString& section, const TPlacement& placement)
{
    if (placement.Normal) {
        batch.WriteBool(PlacementKey(section, PlacementState), *placement.Normal);
    }
    const std::pair<QLatin1String, std::optional<int>> numbers[] = {
        {PlacementTop, placement.Top},
        {PlacementLeft, placement.Left},
        {PlacementWidth, placement.Width},
        {PlacementHeight, placement.Height},
    };
    for (const auto& [name, value] : numbers) {
        if (value) {
            batch.WriteInteger(PlacementKey(section, name), *value);
        }
    }
}
