#include "ui/components/hot_key_manager.h"
#include "ui/main/main_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>

// The window's shortcuts. The manager sees every key of the program while this window is the
// active one, and hands the released keys to HotKeyKeyUp before the focused control gets them.
// The captions' own accelerators ("&Write ID3 Tag", "&I", "&<" ...) are Qt's mnemonics and work
// besides.

void T_MainForm::CreateHotKey()
{
    HotKey = new THotKeyManager(this);
    HotKey->setObjectName(QStringLiteral("HotKey"));
    HotKey->SetOnKeyUp([this](THotKeyManager& sender, std::uint16_t& key, TShiftState shift) {
        HotKeyKeyUp(sender, key, shift);
    });
    HotKey->Loaded();
}

void T_MainForm::HotKeyKeyUp(THotKeyManager&, std::uint16_t& key, TShiftState shift)
{
    // The key is never changed, so the focused control gets it too: Ctrl+C in a tag box both
    // switches the comment field and copies.
    for (const TMainKeyCommand command : MainKeyCommands(key, shift)) {
        RunKeyCommand(command);
    }
}

void T_MainForm::FocusIfPossible(QWidget* box)
{
    // a hidden control would take the keys the user types out of sight
    if (box->isVisible() && box->isEnabled()) {
        box->setFocus(Qt::ShortcutFocusReason);
    }
}

void T_MainForm::RunKeyCommand(TMainKeyCommand command)
{
    if (const int field = ToggledField(command); field >= 0) {
        FieldChecks[field]->toggle(); // its handler makes the box follow
        return;
    }
    using C = TMainKeyCommand;
    switch (command) {
    case C::FocusTitle:
        FocusIfPossible(TitleEdit);
        break;
    case C::FocusArtist:
        FocusIfPossible(ArtistEdit);
        break;
    case C::FocusAlbum:
        FocusIfPossible(AlbumEdit);
        break;
    case C::FocusYear:
        FocusIfPossible(YearEdit);
        break;
    case C::FocusComment:
        FocusIfPossible(CommentEdit);
        break;
    case C::FocusGenre:
        FocusIfPossible(Genre_CB);
        break;
    case C::FocusTrack:
        FocusIfPossible(Track_ME);
        break;
    case C::FocusFileList:
        FocusIfPossible(FileList);
        break;
    case C::WholePath:
        // the box's own accelerator toggles it; this brings the mode in line with the box
        All_CBClick(All_CB->isChecked());
        break;
    case C::ScanMode:
        ScanMode_PanelClick();
        break;
    case C::FocusMacro:
        FocusIfPossible(Macro_Edit);
        break;
    case C::Hints:
        ShowHint_CBClick(ShowHint_CB->isChecked());
        break;
    case C::Open:
        Open_SBClick();
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
        Mail_SBClick();
        break;
    case C::HomePage:
        Web_SBClick();
        break;
    default:
        break; // the field toggles are done above
    }
}
