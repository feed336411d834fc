#pragma once

#include "workspace/error_log.h"

#include <QWidget>

#include <cstddef>

class QPlainTextEdit;
class QPushButton;
class TFormInfo;

// The shared error list: batch jobs add the files that went wrong, grouped by folder, and set
// the caption with their count; the user reads, clears or closes it. Closing only hides it.
class T_ErrorForm : public QWidget
{
    Q_OBJECT

public:
    explicit T_ErrorForm(QWidget* parent = nullptr);

    QPlainTextEdit* Error_RichEdit;
    QPushButton* SpeedButton2; // "Clea&r"
    QPushButton* SpeedButton1; // "&Close"
    TFormInfo* FormInfo;

    // Empties the log and sets the caption "Errors Found ..." as a batch starts (no Cleared).
    void EmptyLog();
    // One failed file under its folder's header; the caption becomes the batch count.
    void AddEntry(const QString& folder, const QStringList& lines);
    // A bit-rate warning; the caller sets the caption with its own count.
    void AddBitRateWarning(const QString& folder, const QString& name, int bitRate);
    // A line as it stands.
    void AddLine(const QString& line);
    void SetCaption(const QString& caption);

    // Entries since the log was last emptied, and the log's lines.
    int Count() const;
    QStringList Lines() const;

    // Visible and in front.
    void Show();

    // "Clea&r": empties the log, sets the caption "Errors Found ..." and emits Cleared.
    void SpeedButton2Click();
    // "&Close": hides the window.
    void SpeedButton1Click();

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
};
