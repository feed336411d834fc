#pragma once

#include "ui/auxiliary/hiding_window.h"
#include "workspace/workspace.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QToolButton;
class TButtonHighlight;
class TPrompts;

// The settings of the main window that the user edits here: which tag fields stay editable with
// several files, the 64-character name limit, the bit-rate band and its warning, and the code
// page of the tags. The window reads them from the workspace when shown and hands every change
// on through its signals; it stores nothing itself.
class TSettingsWindow : public THidingWindow
{
    Q_OBJECT

public:
    TSettingsWindow(const TWorkspace& work, TPrompts& prompts, QWidget* parent = nullptr);

    // The values both bound lists offer, kbit/s.
    static constexpr std::array<std::int32_t, 12> BitRates = {48,  56,  64,  80,  96,  112,
                                                              128, 160, 192, 224, 256, 320};

signals:
    // Field 0 .. 6 (Title .. Track) is editable with several files, or not.
    void EnabledFieldChanged(int field, bool enabled);
    void LimitTo64Changed(bool limit);
    // Writing and clearing the tags also changes the ID3v2 tag, or not.
    void WriteId3v2Changed(bool write);
    void WarningBitRateChanged(bool warn);
    void ExcludeIfWarningChanged(bool exclude);
    void BitRateBandChanged(std::int32_t low, std::int32_t high);
    void ClearRecentPathsRequested();
    // The tags are read and written in this code page (an iconv name) from now on.
    void TagCodePageChosen(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildFieldFrame();
    QWidget* BuildGeneralFrame();
    QWidget* BuildBitRateFrame();
    QWidget* BuildCodePageFrame();
    void ConnectControls();
    void ShowSettings();

    void FieldBoxClick(int field, bool checked);
    void LimitTo64Clicked(bool checked);
    void WarnBitRateClicked(bool checked);
    void ExcludeFilesClicked(bool checked);
    void ColourExcludeCaption();
    void OkClicked();
    void CancelClicked();
    void ClearRecentClicked();

    const TWorkspace& Work;
    TPrompts& Prompts;
    TButtonHighlight* Highlight = nullptr;

    QGroupBox* FieldGroup = nullptr;
    std::array<QCheckBox*, FieldCount> FieldBoxes{}; // TitleBox .. TrackBox
    QGroupBox* GeneralGroup = nullptr;
    QCheckBox* LimitTo64Box = nullptr;
    QCheckBox* WriteId3v2Box = nullptr;
    QToolButton* ClearRecentButton = nullptr;
    QGroupBox* BitRateGroup = nullptr;
    QCheckBox* WarnBitRateBox = nullptr;
    QLabel* BelowLabel = nullptr;
    QComboBox* LowerBitRate = nullptr;
    QLabel* HigherLabel = nullptr;
    QComboBox* HigherBitRate = nullptr;
    QLabel* KbitsLabel = nullptr;
    QCheckBox* ExcludeFilesBox = nullptr;
    QGroupBox* CodePageGroup = nullptr; // the code page of the tags
    QLabel* CodePageLabel = nullptr;
    QComboBox* CodePageBox = nullptr;
    QToolButton* OkButton = nullptr;
    QToolButton* CancelButton = nullptr;
};
