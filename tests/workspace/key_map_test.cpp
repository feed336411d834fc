#include "workspace/key_map.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

using C = TMainKeyCommand;
using T = TExtractionKeyTarget;

constexpr TShiftState Alt{false, true, false};
constexpr TShiftState Ctrl{false, false, true};
constexpr TShiftState AltCtrl{false, true, true};
constexpr TShiftState Shift{true, false, false};
constexpr TShiftState CtrlShift{true, false, true};
constexpr TShiftState AltShift{true, true, false};

TEST(KeyMap, MainWindowKeysRunTheirCommands)
{
    // the keys a user presses most are also pressed on the window itself (the shortcut list's
    // window test); here the rest
    const std::tuple<const char*, std::uint16_t, TShiftState, std::vector<C>> cases[] = {
        {"Alt+R focuses the track", 'R', Alt, {C::FocusTrack}},
        {"Ctrl+R toggles the track", 'R', Ctrl, {C::ToggleTrack}},
        {"Alt+Ctrl+E runs the Alt group first", 'E', AltCtrl, {C::FocusMacro, C::Errors}},
        {"Alt+Ctrl+O runs the one row there is", 'O', AltCtrl, {C::Open}},
        {"Shift does not hide Alt", 'P', AltShift, {C::WholePath}},
        {"a letter without Alt or Ctrl", 'T', Shift, {}},
        {"Alt+F1 is not Alt+P", 0x70, Alt, {}},
        {"Alt+Numpad 1 is not Alt+A", 0x61, Alt, {}},
        {"Ctrl+digit is not a main window key", '1', Ctrl, {}},
        {"a letter without a row", 'Z', AltCtrl, {}},
    };
    for (const auto& [rule, key, shift, commands] : cases) {
        EXPECT_EQ(MainKeyCommands(key, shift), commands) << rule;
    }
    EXPECT_EQ(ToggledField(C::ToggleTrack), 6);
    EXPECT_EQ(ToggledField(C::HomePage), -1);
}

TEST(KeyMap, ExtractionWindowDigitsFocusSeparatorsAndLists)
{
    using TCommands = std::vector<TExtractionKeyCommand>;
    const std::tuple<const char*, std::uint16_t, TShiftState, TCommands> cases[] = {
        {"Ctrl+1 the first separator", '1', Ctrl, {{T::Separator, 0}}},
        {"Shift+6 the last field list", '6', Shift, {{T::FieldList, 5}}},
        {"both: separator, then list", '3', CtrlShift, {{T::Separator, 2}, {T::FieldList, 2}}},
        {"7 is beyond the six", '7', Ctrl, {}},
        {"0 is before them", '0', Ctrl, {}},
        {"keypad 1 is not 1", 0x61, Ctrl, {}},
        {"Alt alone does nothing", '1', Alt, {}},
    };
    for (const auto& [rule, key, shift, commands] : cases) {
        EXPECT_EQ(ExtractionKeyCommands(key, shift), commands) << rule;
    }
}

} // namespace
