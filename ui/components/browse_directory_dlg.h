#pragma once

#include <QString>

class QWidget;
class TPrompts;

// The folder picker: folders only, shown below Root, opening at Selection. After a confirmed
// Execute, Selection holds the chosen folder (no trailing "/" except for "/" itself).
class TBrowseDirectoryDlg
{
public:
    TBrowseDirectoryDlg(TPrompts& prompts, QWidget* owner);

    // The top of the tree; "the computer's drives" is the user's home folder.
    QString Root = DrivesRoot();
    // Text shown by the picker; with both set the caption comes first.
    QString Title;
    QString Caption;
    // The preselected folder before Execute, the chosen one after it.
    QString Selection;
    // Show the selected folder while browsing (the folder dialog always does).
    bool ShowSelectionInStatus = false;

    // Runs the picker; true when the user chose a folder. A cancel leaves Selection as it was.
    bool Execute();

    // The user's home folder, the root that stands for all drives.
    static QString DrivesRoot();

    // The folder the picker opens at: Selection, or its nearest existing parent when it is gone,
    // or Root when nothing of it exists.
    QString StartFolder() const;

    // The text the picker shows as its caption.
    QString PickerTitle() const;

private:
    TPrompts& Prompts;
    QWidget* Owner;
};
