#pragma once

#include "ui/components/panel.h"

#include <array>

class QCheckBox;
class QLabel;
class QToolButton;

// The column left of the file list: the macro and template help, which a button folds away to a
// narrow strip, and below it the "Show Hint" switch of the whole program: while it is off no tool
// tip of any window shows.
class THelpColumn : public TPanel
{
    Q_OBJECT

public:
    explicit THelpColumn(QWidget* parent = nullptr);

    void ToggleCollapsed();
    bool HintsOn() const;
    // The column's own hints follow the switch.
    void ShowHints(bool show);

signals:
    void HintsToggled(bool on);

private:
    QToolButton* CollapseButton = nullptr;
    std::array<QLabel*, 6> HelpLabels{};
    TPanel* ShowHintsPanel = nullptr;
    QCheckBox* ShowHintsBox = nullptr;
    QObject* HintBlocker = nullptr;
    bool Collapsed = false;
    bool HintsShown = true;
};
