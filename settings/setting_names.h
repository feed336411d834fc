#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>

// Every section and value name of the settings store, in one place: the windows, the tests and
// the rescue of a damaged store all take them from here. Names are matched exactly, case
// included. A subkey is a section below another one, joined with "/" ("RegSetari/3").

struct TSettingKey
{
    QString Section;
    QString Name;
};

inline constexpr QLatin1String GeneralSection("General");
inline constexpr QLatin1String BitRateSection("BitRate");
inline constexpr QLatin1String EnabledFieldsSection("EnabledFields");
inline constexpr QLatin1String RecentPathsSection("Recent Paths");
inline constexpr QLatin1String FormulaListSection("RegSetari"); // one subkey per stored formula
inline constexpr QLatin1String MacroSection("Macro");

// The windows whose placement is stored, each in a section of its own; the names are the ones
// existing stores hold, whatever the windows are called in the code.
inline constexpr QLatin1String MainWindowSection("_MainForm");
inline constexpr QLatin1String ExtractionWindowSection("_Form3");
inline constexpr QLatin1String ReplaceDialogSection("ReplaceInName_Form");
inline constexpr QLatin1String ErrorWindowSection("ErrorForm");
inline constexpr QLatin1String UndoHistoryWindowSection("UndoHistoryForm");
inline constexpr std::array<QLatin1String, 5> PlacementSections = {
    MainWindowSection, ExtractionWindowSection, ReplaceDialogSection, ErrorWindowSection,
    UndoHistoryWindowSection};

inline const TSettingKey LastMacrosKey{GeneralSection, QLatin1String("Last Macros")};
inline const TSettingKey LastPathKey{GeneralSection, QLatin1String("Last Path For Files")};
inline const TSettingKey LimitTo64Key{GeneralSection, QLatin1String("Limit to 64")};
inline const TSettingKey AutoTrimSpacesKey{GeneralSection, QLatin1String("AutoTrim Spaces")};
inline const TSettingKey WriteId3v2Key{GeneralSection, QLatin1String("Also write the ID3v2 tag")};
inline const TSettingKey FormulaCountKey{GeneralSection, QLatin1String("Total Nr Of Fields")};
inline const TSettingKey FormulaIndexKey{GeneralSection, QLatin1String("Current Index")};
inline const TSettingKey TagCodePageKey{GeneralSection, QLatin1String("Tag Code Page")};
inline const TSettingKey WarningBitRateKey{BitRateSection, QLatin1String("Warning BitRate")};
inline const TSettingKey LowBitRateKey{BitRateSection, QLatin1String("Low BitRate")};
inline const TSettingKey HighBitRateKey{BitRateSection, QLatin1String("High BitRate")};
inline const TSettingKey ExcludeIfWarningKey{BitRateSection, QLatin1String("Exclude If Warning")};
inline const TSettingKey MacroTotalKey{MacroSection, QLatin1String("Total")};
inline const TSettingKey MacroIndexKey{MacroSection, QLatin1String("Index")};

// The check boxes of the tag fields, in the order of the main window.
inline constexpr std::array<QLatin1String, 7> EnabledFieldNames = {
    QLatin1String("Title"), QLatin1String("Artist"),  QLatin1String("Album"),
    QLatin1String("Year"),  QLatin1String("Comment"), QLatin1String("Genre"),
    QLatin1String("Track")};
inline constexpr std::size_t EnabledFieldCount = EnabledFieldNames.size();

// A window's placement values.
inline constexpr QLatin1String PlacementWidth("Width");
inline constexpr QLatin1String PlacementHeight("Height");
inline constexpr QLatin1String PlacementLeft("Left");
inline constexpr QLatin1String PlacementTop("Top");
inline constexpr QLatin1String PlacementState("WindowState");

// "Title" .. "Track" in "EnabledFields"; `field` from 0.
TSettingKey EnabledFieldKey(std::size_t field);
// "00" .. "09" in "Recent Paths".
TSettingKey RecentPathKey(std::size_t slot);
// "Last Sep_1" .. "Last Sep_6" and "Last Field_1" .. "Last Field_6" (`k` from 0) of the
// extraction window's boxes in "General", and of stored formula `slot` in "RegSetari/<slot>".
TSettingKey LastSepKey(int k);
TSettingKey LastFieldKey(int k);
TSettingKey FormulaSepKey(int slot, int k);
TSettingKey FormulaFieldKey(int slot, int k);
// "0", "1", ... in "Macro".
TSettingKey MacroItemKey(int index);
TSettingKey PlacementKey(const QString& section, QLatin1String name);

// Every section the program keeps (subkeys lie below them).
QStringList StoreSections();

// Whether a key as the store names it ("RegSetari/3/Last Sep_2") is one of the program's values.
bool IsKnownKey(const QString& key);
