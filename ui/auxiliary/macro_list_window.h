#pragma once

#include "ui/auxiliary/hiding_window.h"

#include <functional>

class QComboBox;
class QLabel;
class QToolButton;
class TButtonHighlight;
class TPrompts;

// The list of saved file-name macros: pick one and see what it makes of the displayed file,
// take it over into the main window, or keep the main window's macro in the list. The list is
// read from the settings when the window is shown and stored when it closes.
class TMacroListWindow : public THidingWindow
{
    Q_OBJECT

public:
    explicit TMacroListWindow(TPrompts& prompts, QWidget* parent = nullptr);

    // What the window reads of the main window, given when the windows are wired: the text of
    // its macro field, and what a macro makes of the file it displays.
    std::function<QString()> MainMacro;
    std::function<QString(const QString&)> PreviewOf;

    // "No Macro in List", "1 Macro in List", "7 Macros in List".
    static QString CountText(int count);

public slots:
    // The hints follow the main window's hint switch.
    void ShowHints(bool show);

signals:
    // "&Close" takes this macro over into the main window's macro field.
    void MacroChosen(const QString& macro);
    // The window is being shown: the main window's command buttons lose their highlight.
    void Showing();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void ConnectControls();
    void ShowList();
    void LoadList();
    void SaveList();
    void UpdateCount();

    void MacroListChanged();
    void AddMacroClicked();
    void DeleteClicked();
    void ClearListClicked();
    void CloseClicked();

    TPrompts& Prompts;
    TButtonHighlight* Highlight = nullptr;

    QComboBox* MacroListBox = nullptr;
    QLabel* PreviewPanel = nullptr;  // the preview
    QLabel* ListSizePanel = nullptr; // the item count
    QToolButton* DeleteButton = nullptr;
    QToolButton* ClearListButton = nullptr;
    QToolButton* AddMacroButton = nullptr;
    QToolButton* CloseButton = nullptr;
};
