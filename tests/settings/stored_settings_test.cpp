#include "settings/stored_settings.h"
#include "support/mp3_fixture.h"

#include <QSettings>

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::filesystem::path StoreFile()
{
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, RegCompany, RegAppName);
    return store.fileName().toStdString();
}

class StoredSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::error_code ignored;
        for (const auto& entry :
             std::filesystem::directory_iterator(StoreFile().parent_path(), ignored)) {
            std::filesystem::remove(entry.path(), ignored);
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

TEST_F(StoredSettingsTest, EmptyStoreGivesTheDefaults)
{
    const TSettingsBatch store;
    EXPECT_EQ(ReadLastMacro(store).toStdString(), DefaultMacro);
    EXPECT_FALSE(ReadLastFolder(store));
    EXPECT_EQ(ReadMainOptions(store).LowBitRate, 112);
    EXPECT_EQ(ReadMainOptions(store).HighBitRate, 160);
    EXPECT_EQ(ReadEnabledFields(store), TEnabledFields{});
    EXPECT_EQ(ReadRecentPaths(store), EmptyRecentPaths());
    const TTagFormula boxes = ReadFormulaFields(store);
    EXPECT_EQ(boxes.Sep, (std::array<std::string, 6>{"", "[ ", " - ", " ] - ", " - ", ""}));
    EXPECT_EQ(boxes.Field[5], TTagField::Comment);
    EXPECT_TRUE(ReadFormulaList(store).Formulas.empty());
    EXPECT_TRUE(ReadMacroList(store).Macros.isEmpty());
    EXPECT_EQ(ReadMacroList(store).Index, -1);
    EXPECT_FALSE(ReadPlacement(store, PlacementSections[0]).Width);
}

TEST_F(StoredSettingsTest, EverythingWrittenInOneBatchReadsBack)
{
    TMainOptions options;
    options.LimitTo64 = options.ExcludeIfWarning = true;
    options.HighBitRate = 320;
    TRecentPaths recent = EmptyRecentPaths();
    recent[0] = "/music/caf\xc3\xa9/";
    TTagFormula formula = DefaultFormula();
    formula.Sep[5] = " \xc3\xa9 ";
    formula.Field[5] = TTagField::Trash;
    const TFormulaList formulas{{formula, DefaultFormula()}, 1};
    const TMacroList macros{{"%a% - %t%", "%t%"}, 1};
    const TPlacement placement{640, 480, -10, 20, false};
    {
        TSettingsBatch batch;
        WriteLastMacro(batch, "%t%");
        WriteLastFolder(batch, recent[0]);
        WriteMainOptions(batch, options);
        WriteEnabledFields(batch, {true, false, false, false, false, false, true});
        WriteRecentPaths(batch, recent);
        WriteFormulaFields(batch, formula);
        WriteFormulaList(batch, formulas);
        WriteMacroList(batch, macros);
        WritePlacement(batch, PlacementSections[1], placement);
        ASSERT_TRUE(batch.Commit());
    }
    const TSettingsBatch store;
    EXPECT_EQ(ReadLastMacro(store), "%t%");
    EXPECT_EQ(ReadLastFolder(store), recent[0]);
    EXPECT_TRUE(ReadMainOptions(store).ExcludeIfWarning);
    EXPECT_EQ(ReadMainOptions(store).HighBitRate, 320);
    EXPECT_TRUE(ReadEnabledFields(store)[6]);
    EXPECT_EQ(ReadRecentPaths(store), recent);
    EXPECT_EQ(store.ReadString(RecentPathKey(9)), "..none..");
    EXPECT_EQ(ReadFormulaFields(store), formula);
    EXPECT_EQ(ReadFormulaList(store).Formulas, formulas.Formulas);
    EXPECT_EQ(ReadFormulaList(store).CurrentIndex, 1);
    EXPECT_EQ(ReadMacroList(store).Macros, macros.Macros);
    EXPECT_EQ(ReadMacroList(store).Index, 1);
    const TPlacement read = ReadPlacement(store, PlacementSections[1]);
    EXPECT_EQ(read.Width, 640);
    EXPECT_EQ(read.Left, -10);
    EXPECT_EQ(read.Normal, false);
}

TEST_F(StoredSettingsTest, StoredValuesGiveWhatTheWindowsShow)
{
    Store({{LowBitRateKey, "0x70"},
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
    EXPECT_EQ(ReadMainOptions(store).LowBitRate, 112) << "hexadecimal text";
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
}

TEST_F(StoredSettingsTest, HugeStoredCountsReadOnlyWhatIsThere)
{
    Store({{FormulaCountKey, "2147483647"},
           {FormulaIndexKey, "300"},
           {MacroTotalKey, "0x7FFFFFFF"},
           {MacroItemKey(0), "%t%"}});
    const TSettingsBatch store;
    EXPECT_EQ(ReadFormulaList(store).Formulas.size(), std::size_t(MaxFormulaCount));
    EXPECT_EQ(ReadFormulaList(store).CurrentIndex, 0);
    EXPECT_EQ(ReadMacroList(store).Macros, QStringList{"%t%"});
}

TEST_F(StoredSettingsTest, WritingAListReplacesTheStoredOne)
{
    const TFormulaList three{{DefaultFormula(), DefaultFormula(), DefaultFormula()}, 2};
    {
        TSettingsBatch batch;
        WriteFormulaList(batch, three);
        WriteMacroList(batch, {{"a", "b", "c"}, 2});
    }
    {
        TSettingsBatch batch;
        WriteFormulaList(batch, {});
        WriteMacroList(batch, {});
    }
    const TSettingsBatch store;
    EXPECT_EQ(store.ReadString(FormulaCountKey), "0");
    EXPECT_EQ(store.ReadString(FormulaIndexKey), "0");
    EXPECT_FALSE(store.Value(FormulaSepKey(0, 1)));
    EXPECT_EQ(store.ValueNames(MacroSection), QStringList({"Index", "Total"}));
    EXPECT_EQ(store.ReadString(MacroIndexKey), "0");
}

} // namespace
