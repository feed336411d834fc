#pragma once

#include "settings/setting_names.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QSettings;

// The settings key Software\Velmor\Cantrel of the current user, kept in a QSettings store
// (organisation "Velmor", application "Cantrel"). Sections are groups, subkeys nested groups
// ("RegSetari/0", also written with a backslash); every value is a string: integers as decimal
// text (read also as hexadecimal after "0x"), booleans as "0" and "1".
//
// A store file that cannot be parsed reads as far as it can be parsed; reading never changes it.
// Before the first change it is moved aside whole, as "Cantrel.conf.broken" (or "...broken-2" and
// so on), and a clean file takes its place, holding only the program's own values that could be
// read from it. A store file that cannot be read at all is never touched: reads give the defaults
// and writes fail.

inline constexpr const char* RegCompany = "Velmor";
inline constexpr const char* RegAppName = "Cantrel";
inline constexpr const char* RegNone = "_NONE_";

// One open of a store for any number of reads and writes. The writes reach the file together,
// in one sync, at Commit() (or when the batch ends without one); reads in between see them.
// QSettings shares a file among its objects in one process, so another access to the same store
// while a batch is open may write its changes early: keep a batch's writes together.
class TSettingsBatch
{
public:
    // The program's store.
    TSettingsBatch();
    // The store of another organisation and application.
    TSettingsBatch(const QString& company, const QString& application);
    ~TSettingsBatch();
    TSettingsBatch(const TSettingsBatch&) = delete;
    TSettingsBatch& operator=(const TSettingsBatch&) = delete;

    // The stored text, or nothing when the value is missing.
    std::optional<QString> Value(const TSettingKey& key) const;
    // The stored text, or "_NONE_".
    QString ReadString(const TSettingKey& key) const;
    // The stored integer; -1 when missing or not a number.
    int ReadInteger(const TSettingKey& key) const;
    // True for any non-zero integer; false when missing or not a number.
    bool ReadBool(const TSettingKey& key) const;
    // The value names directly in a section, not those of its subkeys.
    QStringList ValueNames(const QString& section) const;

    void WriteString(const TSettingKey& key, const QString& value);
    void WriteInteger(const TSettingKey& key, int value);
    void WriteBool(const TSettingKey& key, bool value);
    // Deletes the section with every value and subkey below it; an empty section erases nothing
    // and gives false.
    bool Erase(const QString& section);

    // Writes the changes out; true when they reached the file (or there were none).
    bool Commit();

private:
    // Sets a broken file aside before the first change; false when changes cannot be made.
    bool PrepareChange();

    QString Company;
    QString Application;
    std::unique_ptr<QSettings> Store;
    bool Checked = false;
    bool Failed = false;
    bool Pending = false;
};

// Decimal, or hexadecimal after "0x", with blanks around allowed; nothing for any other text.
// Hexadecimal texts of up to eight digits fill the 32 bits as they stand ("0xFFFFFFFF" is -1).
std::optional<int> ParseStoredInteger(const QString& text);

// Checks the program's store file now and sets it aside as a change would when it cannot be
// parsed. Returns the name the old file is kept under; nothing when it was sound, missing or
// could not be moved.
std::optional<QString> SetBrokenStoreAside();

// Single accesses to the program's store, each one batch. The writers return true when the change
// reached the file.
QString ReadRegString(const QString& section, const QString& name);
bool WriteRegString(const QString& section, const QString& name, const QString& value);
int ReadRegInteger(const QString& section, const QString& name);
bool WriteRegInteger(const QString& section, const QString& name, int value);
bool ReadRegBool(const QString& section, const QString& name);
bool WriteRegBool(const QString& section, const QString& name, bool value);
bool EraseRegKey(const QString& section);
