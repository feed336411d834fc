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
class TReplaceInName_Form : public THidingWindow
{
    Q_OBJECT

public:
    TReplaceInName_Form(TPrompts& prompts, QWidget* parent = nullptr);

    void SetPairs(TReplacePairs* pairs) { Pairs = pairs; }
    // Opens the dialog on the selected pair.
    void ShowDialog();

    void Add_SBClick();
    void Delete_SBClick();
    void Cancel_SBClick();

signals:
    void PairsChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The index of the pair whose what equals `what` ignoring case; -1 when none does.
    int FindWhat(const QString& what) const;

    TPrompts& Prompts;
    TReplacePairs* Pairs = nullptr;
    TFormInfo* FormInfo = nullptr;
    QLabel* What_Label = nullptr;
    QLineEdit* What_Edit = nullptr; // the what text
    QLabel* With_Label = nullptr;
    QLineEdit* With_Edit = nullptr; // the with text
    QToolButton* Add_SB = nullptr;
    QToolButton* Delete_SB = nullptr;
    QToolButton* Cancel_SB = nullptr;
    std::vector<QToolButton*> Buttons;
};
