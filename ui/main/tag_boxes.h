#pragma once

#include "ui/components/panel.h"
#include "workspace/workspace.h"

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class TMPEGAudio;
struct TFieldText;
struct TId3v2Reading;

// The seven tag boxes of the main window (title, artist, album, year, comment, genre, track),
// each with the check box that lets it be written. An unticked box is greyed and keeps its text
// out of a write. Enter in a text box keeps its text in the box's list; in the genre box it picks
// the genre the text names. Beside each box, read-only and out of the tab order, what the file's
// ID3v2 tag holds in that field, marked "≠" where the two tags disagree.
class TTagBoxes : public TPanel
{
    Q_OBJECT

public:
    explicit TTagBoxes(QWidget* parent = nullptr);

    // Field 0 (title) .. 6 (track).
    QWidget* Box(int field) const { return Boxes[static_cast<std::size_t>(field)]; }
    QCheckBox* Check(int field) const { return Checks[static_cast<std::size_t>(field)]; }

    void ShowTag(const TMPEGAudio& audio);
    // `disagreeing` marks the fields (title .. track) the two tags disagree in.
    void ShowId3v2(const TId3v2Reading& reading, const std::array<bool, FieldCount>& disagreeing);
    // Empties the boxes and the ID3v2 column.
    void Clear();
    // What the seven boxes hold, each to be written only when it is enabled.
    std::vector<TFieldText> Texts() const;

    TFieldChoices CheckStates() const;
    // The boxes follow their checks.
    void SetChecks(const TFieldChoices& checks);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetFieldEditable(int field, bool editable);
    void TextBoxEntered(QComboBox* box);
    void GenreBoxEntered();

    std::array<QComboBox*, 5> TextBoxes{}; // title .. comment
    QComboBox* GenreBox = nullptr;
    QLineEdit* TrackBox = nullptr;
    std::array<QWidget*, FieldCount> Boxes{};
    std::array<QCheckBox*, FieldCount> Checks{};
    QLabel* Id3v2Heading = nullptr;
    std::array<QLabel*, FieldCount> Id3v2Marks{};
    std::array<QLineEdit*, FieldCount> Id3v2Values{};
};
