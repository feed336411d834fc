#pragma once

#include <QString>

// The settings key Software\Velmor\Cantrel of the current user, kept in a QSettings store
// (organisation "Velmor", application "Cantrel"). Sections are groups, subkeys nested groups
// ("RegSetari/0", also written with a backslash); every value is a string. Each call opens the
// store, reads or writes one value, and closes it again, so nothing written is lost to a crash or
// another instance. Names are matched exactly, case included.
//
// A store file that cannot be parsed reads as far as it can be parsed, every other value giving its
// default; reading never changes it. The first write moves it aside whole, as
// "Cantrel.conf.broken" (or "...broken-2" and so on), and starts a fresh file holding the values
// that could be read. A store file that cannot be read at all is never touched: reads give the
// defaults and writes fail. The writers return true when the change reached the file.

inline constexpr const char* RegCompany = "Velmor";
inline constexpr const char* RegAppName = "Cantrel";
inline constexpr const char* RegNone = "_NONE_";

// The stored text, or "_NONE_" when the value is missing.
QString ReadRegString(const QString& section, const QString& name);
bool WriteRegString(const QString& section, const QString& name, const QString& value);

// The stored integer (decimal, or hexadecimal after "0x"); -1 when missing or not a number.
int ReadRegInteger(const QString& section, const QString& name);
bool WriteRegInteger(const QString& section, const QString& name, int value);

// True for any non-zero integer; false when missing.
bool ReadRegBool(const QString& section, const QString& name);
bool WriteRegBool(const QString& section, const QString& name, bool value);

// Deletes the section with every value and subkey below it; an empty section erases nothing.
bool EraseRegKey(const QString& section);
