#include "settings/registry.h"

#include "engine/ascii_text.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <mutex>
#include <optional>
#include <sys/stat.h>

namespace {

// Sections may name subkeys Windows-style ("RegSetari\0"); the store nests groups with "/".
QString GroupOf(const QString& section)
{
    QString group = section;
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (group.endsWith(QLatin1Char('/'))) {
        group.chop(1);
    }
    return group;
}

QString KeyOf(const QString& section, const QString& name)
{
    const QString group = GroupOf(section);
    return group.isEmpty() ? name : group + QLatin1Char('/') + name;
}

// The organisation and application are given here, not taken from the running application, so
// that every program of the product (and every test) reaches the same store. Only the user's own
// file counts: system-wide files under /etc/xdg are not part of it.
std::unique_ptr<QSettings> OpenStore()
{
    auto store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             RegCompany, RegAppName);
    store->setFallbacksEnabled(false);
    return store;
}

QString StoreFileName()
{
    return OpenStore()->fileName();
}

// QSettings keeps a parsed file in a process-wide cache, so only a fresh parse of a copy tells
// reliably whether the file on disk is broken.
bool StoreFileIsBroken(const QString& fileName)
{
    if (!QFileInfo::exists(fileName)) {
        return false;
    }
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("check.conf"));
    if (!folder.isValid() || !QFile::copy(fileName, copy)) {
        return true; // unreadable
    }
    const QSettings check(copy, QSettings::IniFormat);
    check.allKeys(); // the file is parsed on first use
    return check.status() != QSettings::NoError;
}

// A free name beside the broken file: "Cantrel.conf.broken", then "Cantrel.conf.broken-2", ...
QString SetAsideName(const QString& fileName)
{
    QString name = fileName + QStringLiteral(".broken");
    for (int n = 2; QFileInfo::exists(name); ++n) {
        name = fileName + QStringLiteral(".broken-%1").arg(n);
    }
    return name;
}

// Writing would make QSettings drop every line it cannot parse. Instead the broken file is kept
// whole under another name, and a fresh store takes over the values that could be read from it.
bool SetBrokenStoreAside(const QString& fileName)
{
    QVariantMap readable;
    {
        const auto broken = OpenStore();
        for (const auto& key : broken->allKeys()) {
            readable.insert(key, broken->value(key));
        }
    }
    if (!QFileInfo(fileName).isReadable() || !QFile::rename(fileName, SetAsideName(fileName))) {
        return false;
    }
    const auto fresh = OpenStore();
    for (auto it = readable.cbegin(); it != readable.cend(); ++it) {
        fresh->setValue(it.key(), it.value());
    }
    fresh->sync();
    return fresh->status() == QSettings::NoError;
}

// Identifies one version of the store file, so that a file this process wrote itself (the usual
// case for the many writes at exit) is not checked again.
struct TFileVersion
{
    dev_t Device = 0;
    ino_t Inode = 0;
    off_t Size = -1;
    timespec Modified{};

    bool operator==(const TFileVersion& other) const
    {
        return Device == other.Device && Inode == other.Inode && Size == other.Size &&
               Modified.tv_sec == other.Modified.tv_sec &&
               Modified.tv_nsec == other.Modified.tv_nsec;
    }
};

std::optional<TFileVersion> VersionOf(const QString& fileName)
{
    struct stat info = {};
    if (stat(QFile::encodeName(fileName).constData(), &info) != 0) {
        return std::nullopt;
    }
    return TFileVersion{info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

// Runs one change on the store and writes it out; false when it did not reach the file.
template <typename TChange> bool ChangeStore(TChange change)
{
    static std::mutex guard;
    static std::optional<TFileVersion> lastWritten;
    const std::lock_guard lock(guard);

    const QString fileName = StoreFileName();
    const auto version = VersionOf(fileName);
    const bool knownGood = version && lastWritten && *version == *lastWritten;
    if (!knownGood && StoreFileIsBroken(fileName) && !SetBrokenStoreAside(fileName)) {
        return false;
    }
    const auto store = OpenStore();
    change(*store);
    store->sync();
    if (store->status() != QSettings::NoError) {
        return false;
    }
    lastWritten = VersionOf(fileName);
    return true;
}

bool WriteValue(const QString& key, const QString& value)
{
    return ChangeStore([&](QSettings& store) { store.setValue(key, value); });
}

std::optional<QString> ReadValue(const QString& key)
{
    const auto store = OpenStore();
    if (!store->contains(key)) {
        return std::nullopt;
    }
    const QVariant value = store->value(key);
    // an unquoted comma in a hand-edited file reads as a list; it was one text
    if (value.metaType().id() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.toString();
}

// Decimal, or hexadecimal after "0x" ("0xFFFFFFFF" is -1); blanks around the number are allowed.
std::optional<int> ParseInteger(const QString& text)
{
    return ParseStoredInteger(text.toStdString());
}

} // namespace

QString ReadRegString(const QString& section, const QString& name)
{
    return ReadValue(KeyOf(section, name)).value_or(QString::fromLatin1(RegNone));
}

bool WriteRegString(const QString& section, const QString& name, const QString& value)
{
    return WriteValue(KeyOf(section, name), value);
}

int ReadRegInteger(const QString& section, const QString& name)
{
    const auto text = ReadValue(KeyOf(section, name));
    if (!text) {
        return -1;
    }
    return ParseInteger(*text).value_or(-1);
}

bool WriteRegInteger(const QString& section, const QString& name, int value)
{
    return WriteValue(KeyOf(section, name), QString::number(value));
}

bool ReadRegBool(const QString& section, const QString& name)
{
    const auto text = ReadValue(KeyOf(section, name));
    if (!text) {
        return false;
    }
    return ParseInteger(*text).value_or(0) != 0;
}

bool WriteRegBool(const QString& section, const QString& name, bool value)
{
    return WriteValue(KeyOf(section, name), value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool EraseRegKey(const QString& section)
{
    const QString group = GroupOf(section);
    if (group.isEmpty()) {
        return false; // an empty section would name the whole store
    }
    return ChangeStore([&](QSettings& store) { store.remove(group); });
}
