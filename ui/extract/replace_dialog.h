#pragma once

#include "ui/auxiliary/hiding_window.h"

#include <vector>

class QLabel;
class QLineEdit;
class QToolButton;
class TFormInfo;
class TPrompts;
struct TReplacePairs;

// "Replace In Name ...": adds a replace pair to the extraction window's pairs or deletes one.
// It keeps no list of its own: it edits the pairs it is given and tells the owner through
// PairsChanged. No two pairs may have what texts that are equal ignoring case in the user's
// locale, and neither text of a pair may be empty.
class TReplaceDialog : public THidingWindow
{
    Q_OBJECT

public:
    TReplaceDialog(TPrompts& prompts, QWidget* parent = nullptr);

    void SetPairs(TReplacePairs* pairs) { Pairs = pairs; }
    // Opens the dialog on the selected pair.
    void ShowDialog();

signals:
    void PairsChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddClicked();
    void DeleteClicked();
    void CancelClicked();
    // The index of the pair whose what equals `what` ignoring case; -1 when none does.
    int FindWhat(const QString& what) const;

    TPrompts& Prompts;
    TReplacePairs* Pairs = nullptr;
    TFormInfo* FormInfo = nullptr;
    QLabel* WhatLabel = nullptr;
    QLineEdit* WhatBox = nullptr; // the what text
    QLabel* WithLabel = nullptr;
    QLineEdit* WithBox = nullptr; // the with text
    QToolButton* AddButton = nullptr;
    QToolButton* DeleteButton = nullptr;
    QToolButton* CancelButton = nullptr;
    std::vector<QToolButton*> Buttons;
};
