#pragma once

#include "ui/components/panel.h"

#include <cstddef>

class QLabel;
class QLineEdit;
class QToolButton;
class TButtonHighlight;

// The strip at the bottom of the main window: the file-name macro with its list button and the
// length of the name it makes, the preview of that name, and the command buttons (clear, write,
// rename, name to tag, HTML). The button under the pointer lights up red.
class TCommandStrip : public TPanel
{
    Q_OBJECT

public:
    explicit TCommandStrip(QWidget* parent = nullptr);

    QString MacroText() const;
    // The macro's beginning is shown when asked for, else its end as after typing.
    void SetMacro(const QString& macro, bool showStart = false);
    QWidget* MacroBox() const;
    void ShowPreview(const QString& name);
    // The length of the new name, red when it is too long for a CD.
    void ShowNameLength(std::size_t length, bool tooLong);
    // The commands wait while a scan or a batch runs.
    void SetCommandsEnabled(bool enabled);
    // Every button back to its normal caption colour.
    void ResetButtonColours();
    void ShowHints(bool show);

signals:
    void MacroChanged();
    void MacroListClicked();
    void ClearTagsClicked();
    void WriteTagClicked();
    void RenameClicked();
    void NameToTagClicked();
    void HtmlClicked();

private:
    QLineEdit* Macro = nullptr;
    QLabel* NameLengthPanel = nullptr;
    QLabel* PreviewLabel = nullptr;
    std::vector<QToolButton*> Commands; // clear, write, rename, name to tag, HTML
    TButtonHighlight* Highlight = nullptr;
};
