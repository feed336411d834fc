#include "ui/auxiliary/about_window.h"
#include "ui/components/hot_key_manager.h"
#include "ui/main/command_strip.h"
#include "ui/main/help_column.h"
#include "ui/main/main_window.h"
#include "ui/main/tag_boxes.h"

#include <QCheckBox>
#include <QListView>

// The window's shortcuts. The hot-key manager hands the released keys to HotKeyReleased before
// the focused control gets them. The captions' own accelerators ("&Write ID3 Tag", "&I", "&<" ...)
// are Qt's mnemonics and work besides.

namespace {

// Moves the focus to a box that can take it; a hidden control would take the keys the user types
// out of sight.
void FocusIfPossible(QWidget* box)
{
    if (box->isVisible() && box->isEnabled()) {
        box->setFocus(Qt::ShortcutFocusReason);
    }
}

} // namespace

void TMainWindow::HotKeyReleased(THotKeyManager&, std::uint16_t& key, TShiftState shift)
{
    // The key is never changed, so the focused control gets it too: Ctrl+C in a tag box both
    // switches the comment field and copies.
    for (const TMainKeyCommand command : MainKeyCommands(key, shift)) {
        RunKeyCommand(command);
    }
}

void TMainWindow::RunKeyCommand(TMainKeyCommand command)
{
    if (const int field = ToggledField(command); field >= 0) {
        Tags->Check(field)->toggle(); // its box follows
        return;
    }
    using C = TMainKeyCommand;
    switch (command) {
    case C::FocusTitle:
    case C::FocusArtist:
    case C::FocusAlbum:
    case C::FocusYear:
    case C::FocusComment:
    case C::FocusGenre:
    case C::FocusTrack:
        FocusIfPossible(Tags->Box(static_cast<int>(command) - static_cast<int>(C::FocusTitle)));
        break;
    case C::FocusFileList:
        FocusIfPossible(FileList);
        break;
    case C::WholePath:
        // the box's own accelerator toggles it; this brings the mode in line with the box
        WholePathToggled(WholePathBox->isChecked());
        break;
    case C::ScanMode:
        ScanModeClicked();
        break;
    case C::FocusMacro:
        FocusIfPossible(Commands->MacroBox());
        break;
    case C::Hints:
        ShowHintsToggled(Help->HintsOn());
        break;
    case C::Open:
        OpenFolderClicked();
        break;
    case C::Settings:
        emit ShowWindowRequested(TWindowId::Settings);
        break;
    case C::Errors:
        emit ShowWindowRequested(TWindowId::Errors);
        break;
    case C::Help:
        emit ShowWindowRequested(TWindowId::MacroHelp);
        break;
    case C::About:
        emit ShowWindowRequested(TWindowId::About);
        break;
    case C::Mail:
        OpenMakersAddress(QStringLiteral("mailto:") + QLatin1String(MakersMail));
        break;
    case C::HomePage:
        OpenMakersAddress(QLatin1String(MakersHomePage));
        break;
    default:
        break; // the field toggles are done above
    }
}
