// The settings read back from a store file of any content: the input is the file. Every value
// read lies in its range, reading leaves the file as it was, and what was read, written to a
// fresh store, reads back the same. Each line is also read as a stored integer.

#include "engine/ascii_text.h"
#include "engine/code_page.h"
#include "fuzz/fuzz_input.h"
#include "settings/stored_settings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

namespace {

const QString Company = QStringLiteral("CantrelFuzz");

// The stores live in a folder of their own for the whole run. The same two stores serve every
// input, as the program's own store serves every start: QSettings parses a file again whenever
// a store is opened.
const QTemporaryDir& ConfigFolder()
{
    static const QTemporaryDir folder = [] {
        QTemporaryDir made;
        FUZZ_CHECK(made.isValid());
        ::setenv("XDG_CONFIG_HOME", made.path().toLocal8Bit().constData(), 1);
        return made;
    }();
    return folder;
}

struct TAllSettings
{
    QString LastMacro;
    std::optional<std::string> LastFolder;
    TMainOptions Options;
    TEnabledFields Fields{};
    TRecentPaths Recent;
    TTagFormula Boxes;
    TFormulaList Formulas;
    TMacroList Macros;
    std::array<TPlacement, PlacementSections.size()> Placements;
};

TAllSettings ReadAll(const QString& application)
{
    const TSettingsBatch store(Company, application);
    TAllSettings all;
    all.LastMacro = ReadLastMacro(store);
    all.LastFolder = ReadLastFolder(store);
    all.Options = ReadMainOptions(store);
    all.Fields = ReadEnabledFields(store);
    all.Recent = ReadRecentPaths(store);
    all.Boxes = ReadFormulaFields(store);
    all.Formulas = ReadFormulaList(store);
    all.Macros = ReadMacroList(store);
    for (std::size_t i = 0; i < PlacementSections.size(); ++i) {
        all.Placements[i] = ReadPlacement(store, PlacementSections[i]);
    }
    return all;
}

void WriteAll(const QString& application, const TAllSettings& all)
{
    TSettingsBatch batch(Company, application);
    WriteLastMacro(batch, all.LastMacro);
    if (all.LastFolder) {
        WriteLastFolder(batch, *all.LastFolder);
    }
    WriteMainOptions(batch, all.Options);
    WriteEnabledFields(batch, all.Fields);
    WriteRecentPaths(batch, all.Recent);
    WriteFormulaFields(batch, all.Boxes);
    WriteFormulaList(batch, all.Formulas);
    WriteMacroList(batch, all.Macros);
    for (std::size_t i = 0; i < PlacementSections.size(); ++i) {
        WritePlacement(batch, PlacementSections[i], all.Placements[i]);
    }
    FUZZ_CHECK(batch.Commit());
}

bool NamedFields(const TTagFormula& formula)
{
    for (const auto field : formula.Field) {
        if (static_cast<int>(field) < 0 || static_cast<int>(field) >= TagFieldCount) {
            return false;
        }
    }
    return true;
}

void CheckRanges(const TAllSettings& all)
{
    FUZZ_CHECK(FindTagCodePage(all.Options.TagCodePage.Name) != nullptr);
    FUZZ_CHECK(NamedFields(all.Boxes));
    const auto formulaCount = static_cast<int>(all.Formulas.Formulas.size());
    FUZZ_CHECK(formulaCount <= MaxFormulaCount);
    FUZZ_CHECK(all.Formulas.CurrentIndex >= 0 &&
               (all.Formulas.CurrentIndex < formulaCount || all.Formulas.CurrentIndex == 0));
    for (const auto& formula : all.Formulas.Formulas) {
        FUZZ_CHECK(NamedFields(formula));
    }
    FUZZ_CHECK(all.Macros.Index >= -1 && all.Macros.Index < all.Macros.Macros.size());
    FUZZ_CHECK(!all.Macros.Macros.contains(QLatin1String(RegNone)));
}

bool SameSettings(const TAllSettings& a, const TAllSettings& b)
{
    const auto samePlacement = [](const TPlacement& x, const TPlacement& y) {
        return x.Width == y.Width && x.Height == y.Height && x.Left == y.Left && x.Top == y.Top &&
               x.Normal == y.Normal;
    };
    const auto& o = a.Options;
    const auto& p = b.Options;
    return a.LastMacro == b.LastMacro && a.LastFolder == b.LastFolder &&
           o.LimitTo64 == p.LimitTo64 && o.WarningBitRate == p.WarningBitRate &&
           o.ExcludeIfWarning == p.ExcludeIfWarning && o.AutoTrimSpaces == p.AutoTrimSpaces &&
           o.LowBitRate == p.LowBitRate && o.HighBitRate == p.HighBitRate &&
           o.TagCodePage == p.TagCodePage && a.Fields == b.Fields && a.Recent == b.Recent &&
           a.Boxes == b.Boxes && a.Formulas.Formulas == b.Formulas.Formulas &&
           a.Formulas.CurrentIndex == b.Formulas.CurrentIndex &&
           a.Macros.Macros == b.Macros.Macros &&
           (a.Macros.Index < 0 || a.Macros.Index == b.Macros.Index) &&
           std::equal(a.Placements.begin(), a.Placements.end(), b.Placements.begin(),
                      samePlacement);
}

void CheckInteger(std::string_view text)
{
    const auto value = ParseStoredInteger(text);
    const QString asQt = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (asQt.toUtf8() == QByteArray(text.data(), static_cast<qsizetype>(text.size()))) {
        FUZZ_CHECK(ParseStoredInteger(asQt) == value);
    }
    if (value) {
        // decimal as the store writes it, and hexadecimal filling the 32 bits
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%" PRId32, *value);
        FUZZ_CHECK(ParseStoredInteger(std::string_view(buffer)) == value);
        std::snprintf(buffer, sizeof buffer, " 0x%" PRIX32 " ", static_cast<std::uint32_t>(*value));
        FUZZ_CHECK(ParseStoredInteger(std::string_view(buffer)) == value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString folder = ConfigFolder().path() + QLatin1Char('/') + Company;
    const QString in = QStringLiteral("In");
    const QString out = QStringLiteral("Out");
    const QString inFile = folder + QLatin1Char('/') + in + QStringLiteral(".conf");
    const QString outFile = folder + QLatin1Char('/') + out + QStringLiteral(".conf");
    const QByteArray given(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile file(inFile);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly) || QDir().mkpath(folder));
        if (!file.isOpen()) {
            FUZZ_CHECK(file.open(QIODevice::WriteOnly));
        }
        FUZZ_CHECK(file.write(given) == given.size());
    }

    const TAllSettings read = ReadAll(in);
    CheckRanges(read);
    {
        QFile file(inFile);
        FUZZ_CHECK(file.open(QIODevice::ReadOnly) && file.readAll() == given);
    }
    WriteAll(out, read);
    const TAllSettings again = ReadAll(out);
    FUZZ_CHECK(SameSettings(read, again));
    QFile::remove(inFile);
    QFile::remove(outFile);

    TFuzzInput lines(data, size);
    while (!lines.AtEnd()) {
        CheckInteger(lines.Line());
    }
    return 0;
}
