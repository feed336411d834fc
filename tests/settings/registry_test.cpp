#include "settings/registry.h"
#include "support/mp3_fixture.h"

#include <QSettings>

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// QSettings fixes its folder on first use, so the whole program gets one fresh folder before any
// test runs; each test then starts from an empty store.
class TFreshConfigFolder : public ::testing::Environment
{
public:
    void SetUp() override { setenv("XDG_CONFIG_HOME", Folder.Path().c_str(), 1); }

private:
    TTempDir Folder;
};

const auto* const ConfigFolder = ::testing::AddGlobalTestEnvironment(new TFreshConfigFolder);

std::filesystem::path StoreFile()
{
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, RegCompany, RegAppName);
    return store.fileName().toStdString();
}

class RegistryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto file = StoreFile();
        ASSERT_EQ(file, std::filesystem::path(std::getenv("XDG_CONFIG_HOME")) / RegCompany /
                            (std::string(RegAppName) + ".conf"));
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(file.parent_path(), ignored)) {
            std::filesystem::remove(entry.path(), ignored);
        }
    }
};

TEST_F(RegistryTest, EmptyStoreGivesTheDefaults)
{
    EXPECT_EQ(ReadRegString(LastMacrosKey.Section, LastMacrosKey.Name), "_NONE_");
    EXPECT_EQ(ReadRegInteger(LowBitRateKey.Section, LowBitRateKey.Name), -1);
    EXPECT_FALSE(ReadRegBool(WarningBitRateKey.Section, WarningBitRateKey.Name));
    EXPECT_FALSE(std::filesystem::exists(StoreFile())) << "a read creates no file";
}

TEST_F(RegistryTest, StringsRoundTripExactly)
{
    const QString texts[] = {
        " [ ",         " ] - ",       "",           "a, b",
        "x;y|z",       "\"quoted\"",  "@Invalid()", "#not a comment",
        "key = value", "C:\\Music\\", "two\nlines", "Bj\u00f6rk \u00e9t\u00e9",
    };
    int slot = 0;
    for (const auto& text : texts) {
        const QString name = QStringLiteral("Value %1").arg(slot++);
        ASSERT_TRUE(WriteRegString(GeneralSection, name, text));
        EXPECT_EQ(ReadRegString(GeneralSection, name), text) << text.toStdString();
    }
    // a file written by another session holding all of these is no broken file
    {
        QSettings other(QSettings::NativeFormat, QSettings::UserScope, RegCompany, RegAppName);
        other.setValue(GeneralSection + QString("/Other"), "1");
    }
    ASSERT_TRUE(WriteRegString(GeneralSection, "Last", "x"));
    EXPECT_FALSE(std::filesystem::exists(StoreFile().string() + ".broken"));
    EXPECT_EQ(ReadRegString(GeneralSection, "Value 0"), " [ ");
}

TEST_F(RegistryTest, IntegersAndBooleansReadDecimalAndHexadecimalText)
{
    struct TCase
    {
        const char* Rule;
        QString Stored;
        int Expected; // -1: the default
    };
    const TCase cases[] = {
        // the text rules themselves are ParseStoredInteger's
        {"decimal", "160", 160}, {"hexadecimal after 0x", "0x70", 112}, {"negative", "-5", -5},
        {"zero", "0", 0},        {"not a number", "12abc", -1},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteRegString(LowBitRateKey.Section, LowBitRateKey.Name, c.Stored));
        EXPECT_EQ(ReadRegInteger(LowBitRateKey.Section, LowBitRateKey.Name), c.Expected) << c.Rule;
        // a boolean is any integer but 0; what is no integer is false
        EXPECT_EQ(ReadRegBool(LowBitRateKey.Section, LowBitRateKey.Name),
                  c.Expected != 0 && (c.Expected != -1 || c.Stored == "-1"))
            << c.Rule;
    }
    ASSERT_TRUE(WriteRegInteger(HighBitRateKey.Section, HighBitRateKey.Name, -160));
    ASSERT_TRUE(WriteRegBool(LimitTo64Key.Section, LimitTo64Key.Name, true));
    ASSERT_TRUE(WriteRegBool(AutoTrimSpacesKey.Section, AutoTrimSpacesKey.Name, false));
    EXPECT_EQ(ReadRegString(HighBitRateKey.Section, HighBitRateKey.Name), "-160");
    EXPECT_EQ(ReadRegString(LimitTo64Key.Section, LimitTo64Key.Name), "1");
    EXPECT_EQ(ReadRegString(AutoTrimSpacesKey.Section, AutoTrimSpacesKey.Name), "0");
}

TEST_F(RegistryTest, SectionsAndSubkeysAreSeparate)
{
    ASSERT_TRUE(WriteRegString(FormulaIndexKey.Section, FormulaIndexKey.Name, "3"));
    ASSERT_TRUE(WriteRegString(FormulaSepKey(0, 1).Section, FormulaSepKey(0, 1).Name, "[ "));
    ASSERT_TRUE(WriteRegString(FormulaListSection + QString("\\1"), "Last Sep_2", " - "));
    ASSERT_TRUE(
        WriteRegString(RecentPathKey(0).Section, RecentPathKey(0).Name, "/home/ann/Music/"));

    EXPECT_EQ(ReadRegString(FormulaSepKey(0, 1).Section, FormulaSepKey(0, 1).Name), "[ ");
    EXPECT_EQ(ReadRegString(FormulaSepKey(1, 1).Section, FormulaSepKey(1, 1).Name), " - ");
    EXPECT_EQ(ReadRegString(FormulaListSection, "Last Sep_2"), "_NONE_");
    EXPECT_EQ(ReadRegString(RecentPathKey(0).Section, RecentPathKey(0).Name), "/home/ann/Music/");
    EXPECT_EQ(ReadRegString(RecentPathsSection, "0"), "_NONE_");
    EXPECT_EQ(ReadRegString(GeneralSection, FormulaIndexKey.Name.toLower()), "_NONE_");
}

TEST_F(RegistryTest, EraseRemovesTheSectionWithItsSubkeysOnly)
{
    ASSERT_TRUE(WriteRegString(FormulaListSection, "Marker", "x"));
    ASSERT_TRUE(WriteRegString(FormulaSepKey(0, 0).Section, FormulaSepKey(0, 0).Name, "a"));
    ASSERT_TRUE(WriteRegString(FormulaSepKey(0, 0).Section + "/deeper", "Value", "b"));
    ASSERT_TRUE(WriteRegString(FormulaListSection + QString("X"), "Value", "kept"));
    ASSERT_TRUE(WriteRegString(FormulaCountKey.Section, FormulaCountKey.Name, "1"));

    ASSERT_TRUE(EraseRegKey(FormulaListSection));
    EXPECT_EQ(ReadRegString(FormulaListSection, "Marker"), "_NONE_");
    EXPECT_EQ(ReadRegString(FormulaSepKey(0, 0).Section, FormulaSepKey(0, 0).Name), "_NONE_");
    EXPECT_EQ(ReadRegString(FormulaSepKey(0, 0).Section + "/deeper", "Value"), "_NONE_");
    EXPECT_EQ(ReadRegString(FormulaListSection + QString("X"), "Value"), "kept");
    EXPECT_EQ(ReadRegInteger(FormulaCountKey.Section, FormulaCountKey.Name), 1);
    EXPECT_FALSE(EraseRegKey("")) << "an empty section name erases nothing";
    EXPECT_FALSE(EraseRegKey("/"));
    EXPECT_EQ(ReadRegString(FormulaListSection + QString("X"), "Value"), "kept");
}

TEST_F(RegistryTest, ValuesWrittenBeforeAreReadByALaterAccess)
{
    // another instance's write, straight to the file, is seen by the next read
    ASSERT_TRUE(WriteRegString(LastPathKey.Section, LastPathKey.Name, "/old/"));
    {
        QSettings other(QSettings::NativeFormat, QSettings::UserScope, RegCompany, RegAppName);
        other.setValue(LastPathKey.Section + "/" + LastPathKey.Name, "/new/");
    }
    EXPECT_EQ(ReadRegString(LastPathKey.Section, LastPathKey.Name), "/new/");
}

TEST_F(RegistryTest, CorruptStoreGivesDefaultsAndIsKeptWhole)
{
    const char bytes[] = "\x01\xff\xfe[General\x00==\n\x80\x81 broken \"\n[%General]\nLast\x00\x01";
    const std::string garbage(bytes, sizeof bytes - 1);
    const auto file = StoreFile();
    WriteBytes(file, garbage);

    EXPECT_EQ(ReadRegString(LastMacrosKey.Section, LastMacrosKey.Name), "_NONE_");
    EXPECT_EQ(ReadRegInteger(LowBitRateKey.Section, LowBitRateKey.Name), -1);
    EXPECT_FALSE(ReadRegBool(LimitTo64Key.Section, LimitTo64Key.Name));
    EXPECT_EQ(ReadBytes(file), garbage) << "a read leaves the file as it is";

    // a write keeps the broken file under another name and works on a clean one
    ASSERT_TRUE(WriteRegString(LastMacrosKey.Section, LastMacrosKey.Name, "%T%"));
    EXPECT_EQ(ReadBytes(file.string() + ".broken"), garbage);
    EXPECT_EQ(TSettingsBatch().ValueNames(GeneralSection), QStringList{LastMacrosKey.Name});
    EXPECT_EQ(ReadBytes(file), "[%General]\nLast%20Macros=%T%\n") << "nothing of the garbage";

    // checked at start, before anything is written, and reported once
    WriteBytes(file, garbage);
    EXPECT_EQ(SetBrokenStoreAside(), QString::fromStdString(file.string() + ".broken-2"));
    EXPECT_EQ(ReadBytes(file.string() + ".broken"), garbage) << "an older copy is not replaced";
    EXPECT_EQ(ReadBytes(file.string() + ".broken-2"), garbage);
    EXPECT_FALSE(SetBrokenStoreAside());
    EXPECT_FALSE(std::filesystem::exists(file)) << "the new store starts empty";
}

TEST_F(RegistryTest, BatchWritesReachTheFileTogetherAtCommit)
{
    ASSERT_TRUE(WriteRegString(LastMacrosKey.Section, LastMacrosKey.Name, "%A%"));
    const auto file = StoreFile();
    const std::string before = ReadBytes(file);
    TSettingsBatch batch;
    batch.WriteString(LastMacrosKey, "%T%");
    batch.WriteInteger(LowBitRateKey, 96);
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_EQ(batch.ReadString(LastMacrosKey), "%T%") << "the batch sees its writes";
    ASSERT_TRUE(batch.Commit());
    EXPECT_EQ(ReadRegString(LastMacrosKey.Section, LastMacrosKey.Name), "%T%");
    EXPECT_EQ(ReadRegInteger(LowBitRateKey.Section, LowBitRateKey.Name), 96);
}

TEST_F(RegistryTest, PartlyBrokenStoreKeepsTheValuesItCanRead)
{
    const std::string text =
        "[%General]\nTag%20Code%20Page=KOI8-R\n[BitRate]\nHigh%20BitRate=192\n[broken\n\"x=\n";
    const auto file = StoreFile();
    WriteBytes(file, text);
    EXPECT_EQ(ReadRegInteger(HighBitRateKey.Section, HighBitRateKey.Name), 192);

    ASSERT_TRUE(WriteRegBool(WarningBitRateKey.Section, WarningBitRateKey.Name, true));
    EXPECT_EQ(ReadBytes(file.string() + ".broken"), text);
    EXPECT_EQ(ReadRegInteger(HighBitRateKey.Section, HighBitRateKey.Name), 192);
    EXPECT_EQ(ReadRegString(TagCodePageKey.Section, TagCodePageKey.Name), "KOI8-R");
    EXPECT_TRUE(ReadRegBool(WarningBitRateKey.Section, WarningBitRateKey.Name));
}

TEST_F(RegistryTest, UnreadableStoreGivesDefaultsAndIsNotRewritten)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "the superuser reads files whatever their permissions";
    }
    // as another session left it, so that nothing of it is known to this process
    const auto file = StoreFile();
    const std::string before = "[%General]\nLast%20Macros=%T%\n";
    WriteBytes(file, before);
    ASSERT_EQ(chmod(file.c_str(), 0), 0);

    EXPECT_EQ(ReadRegString(LastMacrosKey.Section, LastMacrosKey.Name), "_NONE_");
    EXPECT_FALSE(WriteRegString(LastMacrosKey.Section, LastMacrosKey.Name, "%A%"));
    ASSERT_EQ(chmod(file.c_str(), 0600), 0);
    EXPECT_EQ(ReadBytes(file), before);
}

} // namespace
