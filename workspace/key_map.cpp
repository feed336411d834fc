#include "workspace/key_map.h"

namespace {

enum class TGroup
{
    Alt,
    Ctrl,
};

struct TKeyRow
{
    TGroup Group;
    char Letter;
    TMainKeyCommand Command;
};

using C = TMainKeyCommand;

// Within a group the rows are tested in this order; a key is one letter, so at most one row of
// each group matches.
constexpr TKeyRow MainKeyRows[] = {
    {TGroup::Alt, 'T', C::FocusTitle},    {TGroup::Alt, 'A', C::FocusArtist},
    {TGroup::Alt, 'B', C::FocusAlbum},    {TGroup::Alt, 'Y', C::FocusYear},
    {TGroup::Alt, 'C', C::FocusComment},  {TGroup::Alt, 'G', C::FocusGenre},
    {TGroup::Alt, 'R', C::FocusTrack},    {TGroup::Alt, 'F', C::FocusFileList},
    {TGroup::Alt, 'P', C::WholePath},     {TGroup::Alt, 'U', C::ScanMode},
    {TGroup::Alt, 'E', C::FocusMacro},    {TGroup::Alt, 'I', C::Hints},
    {TGroup::Ctrl, 'O', C::Open},         {TGroup::Ctrl, 'S', C::Settings},
    {TGroup::Ctrl, 'E', C::Errors},       {TGroup::Ctrl, 'H', C::Help},
    {TGroup::Ctrl, 'U', C::About},        {TGroup::Ctrl, 'M', C::Mail},
    {TGroup::Ctrl, 'P', C::HomePage},     {TGroup::Ctrl, 'T', C::ToggleTitle},
    {TGroup::Ctrl, 'A', C::ToggleArtist}, {TGroup::Ctrl, 'B', C::ToggleAlbum},
    {TGroup::Ctrl, 'Y', C::ToggleYear},   {TGroup::Ctrl, 'C', C::ToggleComment},
    {TGroup::Ctrl, 'G', C::ToggleGenre},  {TGroup::Ctrl, 'R', C::ToggleTrack},
};

constexpr int ExtractionDigits = 6;

void AddGroup(std::vector<TMainKeyCommand>& commands, TGroup group, char letter)
{
    for (const auto& row : MainKeyRows) {
        if (row.Group == group && row.Letter == letter) {
            commands.push_back(row.Command);
        }
    }
}

} // namespace

std::vector<TMainKeyCommand> MainKeyCommands(std::uint16_t key, TShiftState shift)
{
    std::vector<TMainKeyCommand> commands;
    if (key < VirtualKeyA || key > VirtualKeyZ) {
        return commands;
    }
    const char letter = static_cast<char>(key);
    if (shift.Alt) {
        AddGroup(commands, TGroup::Alt, letter);
    }
    if (shift.Ctrl) {
        AddGroup(commands, TGroup::Ctrl, letter);
    }
    return commands;
}

int ToggledField(TMainKeyCommand command)
{
    const int field = static_cast<int>(command) - static_cast<int>(C::ToggleTitle);
    return field >= 0 &&
                   field <= static_cast<int>(C::ToggleTrack) - static_cast<int>(C::ToggleTitle)
               ? field
               : -1;
}

std::vector<TExtractionKeyCommand> ExtractionKeyCommands(std::uint16_t key, TShiftState shift)
{
    std::vector<TExtractionKeyCommand> commands;
    const int index = key - (VirtualKey0 + 1);
    if (index < 0 || index >= ExtractionDigits) {
        return commands;
    }
    if (shift.Ctrl) {
        commands.push_back({TExtractionKeyTarget::Separator, index});
    }
    if (shift.Shift) {
        commands.push_back({TExtractionKeyTarget::FieldList, index});
    }
    return commands;
}
