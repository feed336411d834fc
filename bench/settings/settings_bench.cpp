// Times the settings store in a temporary config folder: a full formula list (255 formulas of
// twelve values) written and read in one batch each, and the main window's values at exit in one
// batch next to the same values written one access each. Usage: settings_bench [ROUNDS]
// (default 5; the best round of each counts).

#include "settings/stored_settings.h"

#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

double BestSeconds(int rounds, const std::function<void()>& run)
{
    double best = 1e9;
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const auto stop = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double>(stop - start).count());
    }
    return best;
}

TFormulaList FullList()
{
    TFormulaList list;
    for (int i = 0; i < MaxFormulaCount; ++i) {
        TTagFormula formula = DefaultFormula();
        formula.Sep[4] = " #" + std::to_string(i) + " ";
        list.Formulas.push_back(formula);
    }
    list.CurrentIndex = MaxFormulaCount - 1;
    return list;
}

// What the main window writes when the program closes.
void WriteExitValues(TSettingsBatch& batch)
{
    WritePlacement(batch, PlacementSections[0], {800, 600, 10, 20, true});
    WriteLastMacro(batch, QStringLiteral("%a% - %t%"));
    WriteFormulaFields(batch, DefaultFormula());
    WriteLastFolder(batch, "/home/ann/Music/");
    WriteEnabledFields(batch, TEnabledFields{true, true, false, false, true, false, true});
    WriteMainOptions(batch, TMainOptions());
    WriteRecentPaths(batch, EmptyRecentPaths());
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    // the store must never be the user's own: QSettings takes its folder from here on first use
    QTemporaryDir config;
    if (!config.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);

    const TFormulaList list = FullList();
    const double writeList = BestSeconds(rounds, [&] {
        TSettingsBatch batch;
        WriteFormulaList(batch, list);
        batch.Commit();
    });
    std::size_t read = 0;
    const double readList =
        BestSeconds(rounds, [&] { read = ReadFormulaList(TSettingsBatch()).Formulas.size(); });
    std::printf("formula list of %zu formulas, 12 values each: write %.4f s, read %.4f s\n", read,
                writeList, readList);

    const double exitBatch = BestSeconds(rounds, [] {
        TSettingsBatch batch;
        WriteExitValues(batch);
        batch.Commit();
    });
    // the same values as single accesses: one batch per value
    int values = 0;
    const double exitSingle = BestSeconds(rounds, [&] {
        TSettingsBatch counter;
        WriteExitValues(counter);
        values = 0;
        for (const QString& key :
             {QString(PlacementSections[0]), QString(GeneralSection), QString(EnabledFieldsSection),
              QString(BitRateSection), QString(RecentPathsSection)}) {
            for (const QString& name : counter.ValueNames(key)) {
                WriteRegString(key, name, counter.ReadString({key, name}));
                ++values;
            }
        }
    });
    std::printf("main window at exit: one batch %.4f s, %d single writes %.4f s\n", exitBatch,
                values, exitSingle);
    return 0;
}
