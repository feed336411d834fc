#pragma once

#include "extract/tag_formula.h"
#include "settings/registry.h"
#include "workspace/options.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the windows keep in the settings store, as plain values. Each Read function takes what
// it needs from one open store, with the defaults of a missing or unreadable value already
// applied; each Write function adds its values to a batch that the caller commits, so a window
// that stores several things at once writes the file once:
//
//     TSettingsBatch batch;
//     WriteMainOptions(batch, options);
//     WriteRecentPaths(batch, recent);
//     batch.Commit();

// Which tag fields a command writes: Title, Artist, Album, Year, Comment, Genre, Track.
using TEnabledFields = std::array<bool, EnabledFieldCount>;

// The stored TAG Formulas of the extraction window and the one selected.
struct TFormulaList
{
    std::vector<TTagFormula> Formulas;
    int CurrentIndex = 0; // within the list; 0 for an empty one
};
inline constexpr int MaxFormulaCount = 255;

// The saved file-name macros, in order, and the one selected.
struct TMacroList
{
    QStringList Macros;
    int Index = -1; // -1: none selected
};

// A window's placement in pixels; a stored value that is missing or not a number is empty.
struct TPlacement
{
    std::optional<int> Width;
    std::optional<int> Height;
    std::optional<int> Left;
    std::optional<int> Top;
    std::optional<bool> Normal; // "WindowState": not maximized or minimized
};

// The file-name macro of the main window; the built-in macro when none is stored.
QString ReadLastMacro(const TSettingsBatch& store);
void WriteLastMacro(TSettingsBatch& batch, const QString& macro);

// The folder the folder picker starts in next time (path bytes); nothing when none is stored.
std::optional<std::string> ReadLastFolder(const TSettingsBatch& store);
void WriteLastFolder(TSettingsBatch& batch, const std::string& folder);

// The options of the settings window; a bit-rate bound stored as -1 or missing is the default, and
// so is the code page of the tags when none or an unknown one is stored.
TMainOptions ReadMainOptions(const TSettingsBatch& store);
void WriteMainOptions(TSettingsBatch& batch, const TMainOptions& options);

TEnabledFields ReadEnabledFields(const TSettingsBatch& store);
void WriteEnabledFields(TSettingsBatch& batch, const TEnabledFields& fields);

// The ten recent folders (path bytes); a missing slot is "..none..", and so is every empty slot
// when written.
TRecentPaths ReadRecentPaths(const TSettingsBatch& store);
void WriteRecentPaths(TSettingsBatch& batch, const TRecentPaths& paths);

// The twelve boxes of the extraction window as last left. A missing separator takes its default
// ("", "[ ", " - ", " ] - ", " - ", ""), and a field index that is missing or names no field
// takes its position's default (0 .. 5).
TTagFormula ReadFormulaFields(const TSettingsBatch& store);
void WriteFormulaFields(TSettingsBatch& batch, const TTagFormula& formula);

// The formula list. At most MaxFormulaCount formulas are read; in a stored formula a missing
// separator takes its default ("", " [ ", " - ", " ] - ", " - ", "") and a field that is missing
// or names no field (-1, 7) its position's default. Writing replaces the whole stored list.
TFormulaList ReadFormulaList(const TSettingsBatch& store);
void WriteFormulaList(TSettingsBatch& batch, const TFormulaList& list);

// The macro list. A stored macro reading "_NONE_" is left out; a stored index beyond the list
// selects the first macro. Writing replaces the whole section; "Index" is 0 when none is
// selected.
TMacroList ReadMacroList(const TSettingsBatch& store);
void WriteMacroList(TSettingsBatch& batch, const TMacroList& list);

// The placement values in a window's section; the values present are written in the order
// WindowState, Top, Left, Width, Height.
TPlacement ReadPlacement(const TSettingsBatch& store, const QString& section);
void WritePlacement(TSettingsBatch& batch, const QString& section, const TPlacement& placement);
