#pragma once

#include "engine/file_failure.h"
#include "workspace/batch_report.h"

#include <QWidget>

#include <cstddef>
#include <string>

class QPlainTextEdit;
class QPushButton;
class TFormInfo;

// The shared error list: batch jobs add the files that went wrong, grouped by folder, and set
// the caption with their count; the user reads, clears or closes it. Closing only hides it.
class TErrorWindow : public QWidget
{
    Q_OBJECT

public:
    explicit TErrorWindow(QWidget* parent = nullptr);

    // The failed files of a batch, as a batch ends: the log is emptied, the files are listed
    // under their folders, the caption gives their count, and the window comes to the front
    // when there is any. An empty list only empties the log.
    void ShowFailures(const TFileFailures& failures);

    // Empties the log and sets the caption "Errors Found ..." as a batch starts (no Cleared).
    void EmptyLog();
    // One failed file under its folder's header; the caption becomes the batch count.
    void AddEntry(const QString& folder, const QStringList& lines);
    // A bit-rate warning of a scan for the file at `path` (bytes); `count` warnings in all.
    void AddBitRateWarning(const std::string& path, int bitRate, int count);
    // A scanned folder is done while warnings stand: their count in the caption, and shown.
    void ShowBitRateWarnings(int count);
    // A line as it stands.
    void AddLine(const QString& line);
    void SetCaption(const QString& caption);

    // Entries since the log was last emptied, and the log's lines.
    int Count() const;
    QStringList Lines() const;

    // Visible and in front.
    void Show();

    // Empties the log, sets the caption "Errors Found ..." and emits Cleared.
    void Clear();
    // "Clea&r": Clear.
    void ClearClicked();
    // "&Close": hides the window.
    void CloseClicked();

signals:
    // The log was cleared by the user; the main window resets its error notice.
    void Cleared();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    void ConnectControls();
    void ArrangeButtons();
    // Shows the log's lines from `first` on in the text box.
    void ShowNewLines(std::size_t first);

    TErrorLog Log;
    QPlainTextEdit* ErrorLogBox = nullptr;
    QPushButton* ClearButton = nullptr; // "Clea&r"
    QPushButton* CloseButton = nullptr; // "&Close"
    TFormInfo* FormInfo = nullptr;
};
