#pragma once

#include <cstdint>
#include <vector>

// The modifier keys held with a key, as the keyboard filter reports them.
struct TShiftState
{
    bool Shift = false;
    bool Alt = false;
    bool Ctrl = false;
};

// Windows virtual-key codes, the codes every key handler of the program works with.
inline constexpr std::uint16_t VirtualKeyA = 0x41; // "A" .. "Z" are 0x41 .. 0x5A
inline constexpr std::uint16_t VirtualKeyZ = 0x5A;
inline constexpr std::uint16_t VirtualKey0 = 0x30; // "0" .. "9" of the main keyboard
inline constexpr std::uint16_t VirtualKey9 = 0x39;

// What a key released in the main window does. The focus commands move the focus to a box, the
// toggle commands switch a field's check box (ToggleTitle .. ToggleTrack follow the field order
// Title, Artist, Album, Year, Comment, Genre, Track), the others run the named command.
enum class TMainKeyCommand
{
    FocusTitle, // the title box .. the track box
    FocusArtist,
    FocusAlbum,
    FocusYear,
    FocusComment,
    FocusGenre,
    FocusTrack,
    FocusFileList, // the file list
    WholePath,     // whole-path mode follows its box; the box's own "&P" toggles it
    ScanMode,      // normal or recursive scan
    FocusMacro,    // the file-name macro
    Hints,         // the hints follow their box; the box's own "&I" toggles it
    Open,          // the folder button's action
    Settings,      // show the settings window
    Errors,        // show the error window
    Help,          // show the help window
    About,         // show the about window
    Mail,          // the mail button's action
    HomePage,      // the home-page button's action
    ToggleTitle,   // the field check boxes, title .. track
    ToggleArtist,
    ToggleAlbum,
    ToggleYear,
    ToggleComment,
    ToggleGenre,
    ToggleTrack,
};

// The commands a key triggers in the main window, in the order they run: the Alt group first,
// then the Ctrl group, so Alt+Ctrl+E both focuses the macro box and shows the error window. Only
// the letter keys "A" .. "Z" count: a function or keypad key whose code happens to be a small
// letter's character code (F1 is 0x70, "p") triggers nothing.
std::vector<TMainKeyCommand> MainKeyCommands(std::uint16_t key, TShiftState shift);

// Index of a toggle command's field (0 for ToggleTitle .. 6 for ToggleTrack), -1 for the others.
int ToggledField(TMainKeyCommand command);

// What a key released in the extraction window does: focus one of its six separator boxes or
// six field lists.
enum class TExtractionKeyTarget
{
    Separator, // Sep_1 .. Sep_6
    FieldList, // FieldBox1 .. FieldBox6
};

struct TExtractionKeyCommand
{
    TExtractionKeyTarget Target;
    int Index; // 0 .. 5

    bool operator==(const TExtractionKeyCommand&) const = default;
};

// Ctrl+1 .. Ctrl+6 focus a separator, Shift+1 .. Shift+6 a field list; with both held, both in
// that order. Only the digits of the main keyboard count, not those of the keypad.
std::vector<TExtractionKeyCommand> ExtractionKeyCommands(std::uint16_t key, TShiftState shift);
