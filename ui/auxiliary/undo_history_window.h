#pragma once

#include "journal/undo_history.h"
#include "ui/auxiliary/hiding_window.h"

#include <string>
#include <vector>

class QToolButton;
class QTreeWidget;
class TFormInfo;

// "Undo history": the kept batches of the undo journal, newest first (kind, time, files,
// folder); the chosen one is handed to the main window, which undoes it as its menu's undo does.
// The list is read again whenever the window is shown or activated and after each undo.
class TUndoHistoryWindow : public THidingWindow
{
    Q_OBJECT

public:
    explicit TUndoHistoryWindow(const std::string& journalFolder, QWidget* parent = nullptr);

    // Reads the journal folder and lists its batches; the one chosen before stays chosen, else
    // the newest that can be undone.
    void Reload();
    // The batches as listed.
    const std::vector<TUndoHistoryEntry>& Batches() const { return History; }

signals:
    // Undo batch `number` of the journal.
    void UndoRequested(int number);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void SelectionChanged();
    void UndoClicked();

    const std::string& JournalFolder;
    std::vector<TUndoHistoryEntry> History;
    TFormInfo* FormInfo = nullptr;
    QTreeWidget* BatchList = nullptr;
    QToolButton* UndoButton = nullptr;
    QToolButton* CloseButton = nullptr;
};
