#include "settings/registry.h"

#include "engine/ascii_text.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <limits>

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

QString PathOf(const TSettingKey& key)
{
    const QString group = GroupOf(key.Section);
    return group.isEmpty() ? key.Name : group + QLatin1Char('/') + key.Name;
}

// The organisation and application are given here, not taken from the running application, so
// that every program of the product (and every test) reaches the same store. Only the user's own
// file counts: system-wide files under /etc/xdg are not part of it.
std::unique_ptr<QSettings> OpenStore(const QString& company, const QString& application)
{
    auto store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, company,
                                             application);
    store->setFallbacksEnabled(false);
    return store;
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
// whole under another name, and a clean store takes over the program's values that could be
// read from it; whatever else the parser made of the damage is left behind.
std::optional<QString> MoveBrokenFileAside(const QString& fileName, const QString& company,
                                           const QString& application)
{
    QVariantMap readable;
    {
        const auto broken = OpenStore(company, application);
        for (const auto& key : broken->allKeys()) {
            if (IsKnownKey(key)) {
                readable.insert(key, broken->value(key));
            }
        }
    }
    const QString keptAs = SetAsideName(fileName);
    if (!QFileInfo(fileName).isReadable() || !QFile::rename(fileName, keptAs)) {
        return std::nullopt;
    }
    if (!readable.isEmpty()) {
        const auto fresh = OpenStore(company, application);
        for (auto it = readable.cbegin(); it != readable.cend(); ++it) {
            fresh->setValue(it.key(), it.value());
        }
    }
    return keptAs;
}

} // namespace

TSettingsBatch::TSettingsBatch() : TSettingsBatch(RegCompany, RegAppName)
{
}

TSettingsBatch::TSettingsBatch(const QString& company, const QString& application)
    : Company(company), Application(application), Store(OpenStore(company, application))
{
}

TSettingsBatch::~TSettingsBatch()
{
    Commit();
}

std::optional<QString> TSettingsBatch::Value(const TSettingKey& key) const
{
    const QString path = PathOf(key);
    if (!Store->contains(path)) {
        return std::nullopt;
    }
    const QVariant value = Store->value(path);
    // an unquoted comma in a hand-edited file reads as a list; it was one text
    if (value.metaType().id() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.toString();
}

QString TSettingsBatch::ReadString(const TSettingKey& key) const
{
    return Value(key).value_or(QString::fromLatin1(RegNone));
}

int TSettingsBatch::ReadInteger(const TSettingKey& key) const
{
    const auto text = Value(key);
    return text ? ParseStoredInteger(*text).value_or(-1) : -1;
}

bool TSettingsBatch::ReadBool(const TSettingKey& key) const
{
    const auto text = Value(key);
    return text && ParseStoredInteger(*text).value_or(0) != 0;
}

QStringList TSettingsBatch::ValueNames(const QString& section) const
{
    Store->beginGroup(GroupOf(section));
    const QStringList names = Store->childKeys();
    Store->endGroup();
    return names;
}

void TSettingsBatch::WriteString(const TSettingKey& key, const QString& value)
{
    if (PrepareChange()) {
        Store->setValue(PathOf(key), value);
    }
}

void TSettingsBatch::WriteInteger(const TSettingKey& key, int value)
{
    WriteString(key, QString::number(value));
}

void TSettingsBatch::WriteBool(const TSettingKey& key, bool value)
{
    WriteString(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TSettingsBatch::Erase(const QString& section)
{
    const QString group = GroupOf(section);
    if (group.isEmpty()) {
        return false; // an empty section would name the whole store
    }
    if (PrepareChange()) {
        Store->remove(group);
    }
    return true;
}

bool TSettingsBatch::Commit()
{
    if (Failed) {
        return false;
    }
    if (!Pending) {
        return true;
    }
    Pending = false;
    Store->sync();
    return Store->status() == QSettings::NoError;
}

bool TSettingsBatch::PrepareChange()
{
    if (!Checked) {
        Checked = true;
        const QString fileName = Store->fileName();
        if (StoreFileIsBroken(fileName)) {
            Store.reset();
            Failed = !MoveBrokenFileAside(fileName, Company, Application);
            Store = OpenStore(Company, Application);
        }
    }
    Pending = Pending || !Failed;
    return !Failed;
}

std::optional<int> ParseStoredInteger(const QString& stored)
{
    return ::ParseStoredInteger(std::string_view(stored.toStdString()));
}

std::optional<QString> SetBrokenStoreAside()
{
    const QString fileName = OpenStore(RegCompany, RegAppName)->fileName();
    if (!StoreFileIsBroken(fileName)) {
        return std::nullopt;
    }
    return MoveBrokenFileAside(fileName, RegCompany, RegAppName);
}

QString ReadRegString(const QString& section, const QString& name)
{
    return TSettingsBatch().ReadString({section, name});
}

bool WriteRegString(const QString& section, const QString& name, const QString& value)
{
    TSettingsBatch batch;
    batch.WriteString({section, name}, value);
    return batch.Commit();
}

int ReadRegInteger(const QString& section, const QString& name)
{
    return TSettingsBatch().ReadInteger({section, name});
}

bool WriteRegInteger(const QString& section, const QString& name, int value)
{
    TSettingsBatch batch;
    batch.WriteInteger({section, name}, value);
    return batch.Commit();
}

bool ReadRegBool(const QString& section, const QString& name)
{
    return TSettingsBatch().ReadBool({section, name});
}

bool WriteRegBool(const QString& section, const QString& name, bool value)
{
    TSettingsBatch batch;
    batch.WriteBool({section, name}, value);
    return batch.Commit();
}

bool EraseRegKey(const QString& section)
{
    TSettingsBatch batch;
    return batch.Erase(section) && batch.Commit();
}
