#pragma once

#include <QString>

// The settings key Software\Velmor\Cantrel of the current user, kept in a QSettings store
// (organisation "Velmor", application "Cantrel"). Sections are groups, subkeys nested groups
// ("RegSetari/0"); every value is a string. Each call opens the store, reads or writes one value,
// and closes it again, so nothing written is lost to a crash or another instance.

inline constexpr const char* RegCompany = "Velmor";
inline constexpr const char* RegAppName = "Cantrel";
inline constexpr const char* RegNone = "_NONE_";

// The stored text, or "_NONE_" when the value is missing.
QString ReadRegString(const QString& section, const QString& name);
void WriteRegString(const QString& section, const QString& name, const QString& value);

// The stored integer (decimal, or hexadecimal after "0x"); -1 when missing or not a number.
int ReadRegInteger(const QString& section, const QString& name);
void WriteRegInteger(const QString& section, const QString& name, int value);

// True for any non-zero integer; false when missing.
bool ReadRegBool(const QString& section, const QString& name);
void WriteRegBool(const QString& section, const QString& name, bool value);

// Deletes the section with every value and subkey below it.
void EraseRegKey(const QString& section);
