#include "settings/registry.h"
#include "settings/stored_settings.h"
#include "support/mp3_fixture.h"

#include <QSettings>

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

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

fs::path StoreFile()
{
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, RegCompany, RegAppName);
    return store.fileName().toStdString();
}

// A value written straight to the file, as another instance of the program writes it.
void WriteAsAnotherInstance(const TSettingKey& key, const QString& value)
{
    QSettings other(QSettings::NativeFormat, QSettings::UserScope, RegCompany, RegAppName);
    other.setValue(key.Section + "/" + key.Name, value);
}

class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto file = StoreFile();
        ASSERT_EQ(file, fs::path(std::getenv("XDG_CONFIG_HOME")) / RegCompany /
                            (std::string(RegAppName) + ".conf"));
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(file.parent_path(), ignored)) {
            fs::remove(entry.path(), ignored);
        }
    }

    static void Store(const std::vector<std::pair<TSettingKey, QString>>& values)
    {
        TSettingsBatch batch;
        for (const auto& [key, text] : values) {
            batch.WriteString(key, text);
        }
    }
};

TEST_F(SettingsTest, StoredTextsReadBackAsTextsIntegersAndBooleans)
{
    EXPECT_EQ(ReadRegString(LastMacrosKey.Section, LastMacrosKey.Name), "_NONE_");
    EXPECT_EQ(ReadRegInteger(LowBitRateKey.Section, LowBitRateKey.Name), -1);
    EXPECT_FALSE(ReadRegBool(WarningBitRateKey.Section, WarningBitRateKey.Name));
    EXPECT_FALSE(fs::exists(StoreFile())) << "a read creates no file";

    // stored text (read back exactly), integer (-1 when it is none), boolean (any integer but 0)
    const std::tuple<QString, int, bool> cases[] = {
        {"160", 160, true},
        {"0x70", 112, true},
        {"-5", -5, true},
        {"-1", -1, true},
        {"0", 0, false},
        {"12abc", -1, false},
        {" [ ", -1, false},
        {" ] - ", -1, false},
        {"", -1, false},
        {"a, b", -1, false},
        {"x;y|z", -1, false},
        {"\"quoted\"", -1, false},
        {"@Invalid()", -1, false},
        {"#not a comment", -1, false},
        {"key = value", -1, false},
        {"C:\\Music\\", -1, false},
        {"two\nlines", -1, false},
        {"Bj\u00f6rk \u00e9t\u00e9", -1, false},
    };
    int slot = 0;
    for (const auto& [text, integer, boolean] : cases) {
        const QString name = QStringLiteral("Value %1").arg(slot++);
        ASSERT_TRUE(WriteRegString(GeneralSection, name, text));
        EXPECT_EQ(ReadRegString(GeneralSection, name), text) << text.toStdString();
        EXPECT_EQ(ReadRegInteger(GeneralSection, name), integer) << text.toStdString();
        EXPECT_EQ(ReadRegBool(GeneralSection, name), boolean) << text.toStdString();
    }
    ASSERT_TRUE(WriteRegInteger(HighBitRateKey.Section, HighBitRateKey.Name, -160));
    ASSERT_TRUE(WriteRegBool(LimitTo64Key.Section, LimitTo64Key.Name, true));
    ASSERT_TRUE(WriteRegBool(AutoTrimSpacesKey.Section, AutoTrimSpacesKey.Name, false));
    EXPECT_EQ(ReadRegString(HighBitRateKey.Section, HighBitRateKey.Name), "-160");
    EXPECT_EQ(ReadRegString(LimitTo64Key.Section, LimitTo64Key.Name), "1");
    EXPECT_EQ(ReadRegString(AutoTrimSpacesKey.Section, AutoTrimSpacesKey.Name), "0");

    // another instance's write is seen by the next read, and a file it wrote holding all of
    // these texts is no broken file
    WriteAsAnotherInstance(LastPathKey, "/new/");
    EXPECT_EQ(ReadRegString(LastPathKey.Section, LastPathKey.Name), "/new/");
    ASSERT_TRUE(WriteRegString(GeneralSection, "Last", "x"));
    EXPECT_FALSE(fs::exists(StoreFile().string() + ".broken"));
    EXPECT_EQ(ReadRegString(GeneralSection, "Value 6"), " [ ");
}

TEST_F(SettingsTest, SectionsAndSubkeysAreSeparateAndEraseTogether)
{
    ASSERT_TRUE(WriteRegString(FormulaIndexKey.Section, FormulaIndexKey.Name, "3"));
    ASSERT_TRUE(WriteRegString(FormulaSepKey(0, 1).Section, FormulaSepKey(0, 1).Name, "[ "));
    ASSERT_TRUE(WriteRegString(FormulaListSection + QString("\\1"), "Last Sep_2", " - "));
    ASSERT_TRUE(WriteRegString(FormulaSepKey(0, 0).Section + "/deeper", "Value", "b"));
    ASSERT_TRUE(WriteRegString(FormulaListSection + QString("X"), "Value", "kept"));
    ASSERT_TRUE(
        WriteRegString(RecentPathKey(0).Section, RecentPathKey(0).Name, "/home/ann/Music/"));
    EXPECT_EQ(ReadRegString(FormulaSepKey(0, 1).Section, FormulaSepKey(0, 1).Name), "[ ");
    EXPECT_EQ(ReadRegString(FormulaSepKey(1, 1).Section, FormulaSepKey(1, 1).Name), " - ");
    EXPECT_EQ(ReadRegString(FormulaListSection, "Last Sep_2"), "_NONE_");
    EXPECT_EQ(ReadRegString(RecentPathKey(0).Section, RecentPathKey(0).Name), "/home/ann/Music/");
    EXPECT_EQ(ReadRegString(RecentPathsSection, "0"), "_NONE_");
    EXPECT_EQ(ReadRegString(GeneralSection, FormulaIndexKey.Name.toLower()), "_NONE_");

    // erasing a section takes its subkeys, not a section whose name starts the same
    EXPECT_FALSE(EraseRegKey("")) << "an empty section name erases nothing";
    EXPECT_FALSE(EraseRegKey("/"));
    ASSERT_TRUE(EraseRegKey(FormulaListSection));
    EXPECT_EQ(ReadRegString(FormulaSepKey(0, 1).Section, FormulaSepKey(0, 1).Name), "_NONE_");
    EXPECT_EQ(ReadRegString(FormulaSepKey(0, 0).Section + "/deeper", "Value"), "_NONE_");
    EXPECT_EQ(ReadRegString(FormulaListSection + QString("X"), "Value"), "kept");
    EXPECT_EQ(ReadRegInteger(FormulaIndexKey.Section, FormulaIndexKey.Name), 3);
}

TEST_F(SettingsTest, CorruptStoreGivesDefaultsAndIsKeptWhole)
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
    EXPECT_EQ(ReadBytes(file), "[%General]\nLast%20Macros=%T%\n") << "nothing of the garbage";

    // checked at start, before anything is written, and reported once
    WriteBytes(file, garbage);
    EXPECT_EQ(SetBrokenStoreAside(), QString::fromStdString(file.string() + ".broken-2"));
    EXPECT_EQ(ReadBytes(file.string() + ".broken"), garbage) << "an older copy is not replaced";
    EXPECT_EQ(ReadBytes(file.string() + ".broken-2"), garbage);
    EXPECT_FALSE(SetBrokenStoreAside());
    EXPECT_FALSE(fs::exists(file)) << "the new store starts empty";

    // of a partly broken store, the values that can be read are kept
    const std::string text =
        "[%General]\nTag%20Code%20Page=KOI8-R\n[BitRate]\nHigh%20BitRate=192\n[broken\n\"x=\n";
    WriteBytes(file, text);
    EXPECT_EQ(ReadRegInteger(HighBitRateKey.Section, HighBitRateKey.Name), 192);
    ASSERT_TRUE(WriteRegBool(WarningBitRateKey.Section, WarningBitRateKey.Name, true));
    EXPECT_EQ(ReadBytes(file.string() + ".broken-3"), text);
    EXPECT_EQ(ReadRegInteger(HighBitRateKey.Section, HighBitRateKey.Name), 192);
    EXPECT_EQ(ReadRegString(TagCodePageKey.Section, TagCodePageKey.Name), "KOI8-R");
    EXPECT_TRUE(ReadRegBool(WarningBitRateKey.Section, WarningBitRateKey.Name));
}

TEST_F(SettingsTest, BatchWritesReachTheFileTogetherAtCommit)
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

TEST_F(SettingsTest, UnreadableStoreGivesDefaultsAndIsNotRewritten)
{
    // as another session left it, so that nothing of it is known to this process
    const auto file = StoreFile();
    const std::string before = "[%General]\nLast%20Macros=%T%\n";
    WriteBytes(file, before);
    ASSERT_EQ(chmod(file.c_str(), 0), 0);
    // the superuser reads any file, so the user is an ordinary one who may enter the folders
    for (auto folder = file.parent_path(); folder != folder.root_path();
         folder = folder.parent_path()) {
        struct stat status = {};
        ASSERT_EQ(stat(folder.c_str(), &status), 0);
        if ((status.st_mode & S_IXOTH) == 0) {
            ASSERT_EQ(chmod(folder.c_str(), status.st_mode | S_IXOTH), 0);
        }
    }

    EXPECT_TRUE(PassesAsOrdinaryUser([] {
        return ReadRegString(LastMacrosKey.Section, LastMacrosKey.Name) == "_NONE_" &&
               !WriteRegString(LastMacrosKey.Section, LastMacrosKey.Name, "%A%");
    }));
    ASSERT_EQ(chmod(file.c_str(), 0600), 0);
    EXPECT_EQ(ReadBytes(file), before);
}

TEST_F(SettingsTest, TypedValuesGiveTheirDefaultsAndRoundTripInOneBatch)
{
    {
        const TSettingsBatch store;
        EXPECT_EQ(ReadLastMacro(store).toStdString(), DefaultMacro);
        EXPECT_FALSE(ReadLastFolder(store));
        EXPECT_EQ(ReadMainOptions(store).LowBitRate, 112);
        EXPECT_EQ(ReadEnabledFields(store), TEnabledFields{});
        EXPECT_EQ(ReadRecentPaths(store), EmptyRecentPaths());
        const TTagFormula boxes = ReadFormulaFields(store);
        EXPECT_EQ(boxes.Sep, (std::array<std::string, 6>{"", "[ ", " - ", " ] - ", " - ", ""}));
        EXPECT_EQ(boxes.Field[5], TTagField::Comment);
        EXPECT_TRUE(ReadFormulaList(store).Formulas.empty());
        EXPECT_EQ(ReadMacroList(store).Index, -1);
        EXPECT_FALSE(ReadPlacement(store, PlacementSections[0]).Width);
    }
    // values that all differ from each other and from their defaults
    TMainOptions options;
    options.LowBitRate = 96;
    options.HighBitRate = 320;
    options.TagCodePage = *FindTagCodePage("KOI8-R");
    TRecentPaths recent = EmptyRecentPaths();
    recent[0] = "/music/caf\xc3\xa9/";
    TTagFormula formula;
    for (int k = 0; k < FormulaFieldCount; ++k) {
        formula.Sep[k] = "s" + std::to_string(k);
        formula.Field[k] = static_cast<TTagField>((k + 1) % TagFieldCount);
    }
    formula.Sep[5] = " \xc3\xa9 ";
    const TFormulaList formulas{{formula, DefaultFormula()}, 1};
    const TMacroList macros{{"%a% - %t%", "%t%"}, 1};
    const TPlacement placement = {640, 480, -10, 20, false};
    {
        TSettingsBatch batch;
        WriteLastMacro(batch, "%t%");
        WriteLastFolder(batch, recent[0]);
        WriteMainOptions(batch, options);
        WriteRecentPaths(batch, recent);
        WriteFormulaFields(batch, formula);
        WriteFormulaList(batch, formulas);
        WriteMacroList(batch, macros);
        WritePlacement(batch, PlacementSections[1], placement);
        ASSERT_TRUE(batch.Commit());
    }
    std::vector<std::pair<TSettingKey, QString>> stored = {
        {LowBitRateKey, "96"},
        {HighBitRateKey, "320"},
        {TagCodePageKey, "KOI8-R"},
        {RecentPathKey(9), "..none.."},
        {PlacementKey(PlacementSections[1], PlacementWidth), "640"},
        {PlacementKey(PlacementSections[1], PlacementHeight), "480"},
        {PlacementKey(PlacementSections[1], PlacementLeft), "-10"},
        {PlacementKey(PlacementSections[1], PlacementTop), "20"},
        {PlacementKey(PlacementSections[1], PlacementState), "0"},
    };
    for (int k = 0; k < FormulaFieldCount; ++k) {
        stored.push_back({LastSepKey(k), QString::fromStdString(formula.Sep[k])});
        stored.push_back({LastFieldKey(k), QString::number((k + 1) % TagFieldCount)});
    }
    const TSettingsBatch store;
    for (const auto& [key, text] : stored) {
        EXPECT_EQ(store.ReadString(key), text)
            << key.Section.toStdString() << "/" << key.Name.toStdString();
    }
    EXPECT_EQ(ReadLastMacro(store), "%t%");
    EXPECT_EQ(ReadLastFolder(store), recent[0]);
    const TMainOptions read = ReadMainOptions(store);
    EXPECT_EQ(std::tuple(read.LowBitRate, read.HighBitRate, std::string(read.TagCodePage.Name)),
              std::tuple(96, 320, std::string("KOI8-R")));
    EXPECT_EQ(ReadRecentPaths(store), recent);
    EXPECT_EQ(ReadFormulaFields(store), formula);
    EXPECT_EQ(ReadFormulaList(store).Formulas, formulas.Formulas);
    EXPECT_EQ(ReadFormulaList(store).CurrentIndex, 1);
    EXPECT_EQ(ReadMacroList(store).Macros, macros.Macros);
    EXPECT_EQ(ReadMacroList(store).Index, 1);
    const TPlacement back = ReadPlacement(store, PlacementSections[1]);
    EXPECT_EQ(std::tuple(back.Width, back.Height, back.Left, back.Top, back.Normal),
              std::tuple(640, 480, -10, 20, false));
}

TEST_F(SettingsTest, EachValueIsStoredUnderItsOwnName)
{
    // the switches one at a time, so that a switch stored or read under another's name shows
    const std::pair<bool TMainOptions::*, TSettingKey> switches[] = {
        {&TMainOptions::LimitTo64, LimitTo64Key},
        {&TMainOptions::WarningBitRate, WarningBitRateKey},
        {&TMainOptions::ExcludeIfWarning, ExcludeIfWarningKey},
        {&TMainOptions::AutoTrimSpaces, AutoTrimSpacesKey},
    };
    const std::size_t count = std::size(switches) + EnabledFieldCount;
    const auto keyOf = [&](std::size_t i) {
        return i < std::size(switches) ? switches[i].second
                                       : EnabledFieldKey(i - std::size(switches));
    };
    for (std::size_t on = 0; on < count; ++on) {
        TMainOptions options;
        TEnabledFields fields{};
        (on < std::size(switches) ? options.*switches[on].first
                                  : fields[on - std::size(switches)]) = true;
        TSettingsBatch batch;
        WriteMainOptions(batch, options);
        WriteEnabledFields(batch, fields);
        ASSERT_TRUE(batch.Commit());
        const TSettingsBatch store;
        const TMainOptions readOptions = ReadMainOptions(store);
        const TEnabledFields readFields = ReadEnabledFields(store);
        for (std::size_t i = 0; i < count; ++i) {
            const bool read = i < std::size(switches) ? readOptions.*switches[i].first
                                                      : readFields[i - std::size(switches)];
            EXPECT_EQ(std::pair(store.ReadString(keyOf(i)), read),
                      std::pair(QString(i == on ? "1" : "0"), i == on))
                << keyOf(i).Name.toStdString() << " with " << keyOf(on).Name.toStdString() << " on";
        }
    }
}

TEST_F(SettingsTest, StoredValuesGiveWhatTheWindowsShow)
{
    Store({{LowBitRateKey, "0x60"},
           {HighBitRateKey, "-1"},
           {LastFieldKey(2), "99"},
           {LastFieldKey(3), "6"},
           {FormulaCountKey, "2"},
           {FormulaIndexKey, "-4"},
           {FormulaFieldKey(0, 0), "99"},
           {FormulaFieldKey(0, 1), "-1"},
           {FormulaSepKey(1, 4), ""},
           {MacroTotalKey, "4"},
           {MacroItemKey(0), "a"},
           {MacroItemKey(1), "_NONE_"},
           {MacroItemKey(3), "d"},
           {MacroItemKey(4), "beyond Total"},
           {MacroIndexKey, "7"}});
    const TSettingsBatch store;
    EXPECT_EQ(ReadMainOptions(store).LowBitRate, 96) << "hexadecimal text";
    EXPECT_EQ(ReadMainOptions(store).HighBitRate, 160) << "-1 takes the default";
    EXPECT_EQ(ReadFormulaFields(store).Field[2], TTagField::Album) << "an index the list lacks";
    EXPECT_EQ(ReadFormulaFields(store).Field[3], TTagField::Trash);
    const TFormulaList list = ReadFormulaList(store);
    ASSERT_EQ(list.Formulas.size(), 2u);
    EXPECT_EQ(list.CurrentIndex, 0) << "a negative index selects the first";
    EXPECT_EQ(list.Formulas[0].Field[0], TTagField::Track) << "a field no list can show";
    EXPECT_EQ(list.Formulas[0].Field[1], TTagField::Artist);
    EXPECT_EQ(list.Formulas[0].Sep[1], " [ ") << "a stored formula's own default";
    EXPECT_EQ(list.Formulas[1].Sep[4], "");
    EXPECT_EQ(ReadMacroList(store).Macros, QStringList({"a", "d"}));
    EXPECT_EQ(ReadMacroList(store).Index, 0) << "an index beyond the list selects the first";

    // huge stored counts read only what is there
    Store({{FormulaCountKey, "2147483647"},
           {FormulaIndexKey, "300"},
           {MacroTotalKey, "0x7FFFFFFF"},
           {MacroItemKey(1), "_NONE_"},
           {MacroItemKey(3), "_NONE_"}});
    EXPECT_EQ(ReadFormulaList(store).Formulas.size(), std::size_t(MaxFormulaCount));
    EXPECT_EQ(ReadFormulaList(store).CurrentIndex, 0);
    EXPECT_EQ(ReadMacroList(store).Macros, QStringList({"a", "beyond Total"}));

    // writing a list replaces the stored one
    {
        TSettingsBatch batch;
        WriteFormulaList(batch, {});
        WriteMacroList(batch, {});
    }
    EXPECT_EQ(store.ReadString(FormulaCountKey), "0");
    EXPECT_EQ(store.ReadString(FormulaIndexKey), "0");
    EXPECT_FALSE(store.Value(FormulaSepKey(0, 1)));
    EXPECT_EQ(store.ValueNames(MacroSection), QStringList({"Index", "Total"}));
    EXPECT_EQ(store.ReadString(MacroIndexKey), "0");
}

} // namespace
