#pragma once

#include "workspace/batch_report.h"

#include <QElapsedTimer>
#include <QWidget>

class QFrame;
class QLabel;

// Width in pixels of the bar inside a frame `frameWidth` wide, whose borders take 8 pixels:
// (frameWidth - 8) * position / range, truncated. A range of 0 gives a full bar; a position
// outside 0..range gives an empty or a full bar.
int ProgressBarWidth(int frameWidth, int position, int range);

// The bare progress bar a batch job shows while it runs: frameless, above all windows, centred.
// The producer sets Range, Position and Text and calls RefreshProgress for each step.
class T_ProgressForm : public QWidget
{
    Q_OBJECT

public:
    explicit T_ProgressForm(QWidget* parent = nullptr);

    int Range = 0;
    int Position = 0;
    QString Text;

    QFrame* Frame_Panel; // the frame
    QLabel* Bar_Panel;   // the bar, showing Text in bold

    // The longest time a report waits to be painted (ms).
    static constexpr int PaintIntervalMs = 50;

    // Sizes the bar to Position of Range (a full bar for Range 0) and repaints at once, so the
    // window stays current while the producer's loop keeps the thread busy. Reports that follow
    // a paint within PaintIntervalMs are painted with the next events instead, except a full bar.
    void RefreshProgress();

    // Sets Position, Range and Text, then RefreshProgress.
    void Report(int position, int range, const QString& text);
    // The window as a batch job's progress report.
    TProgressFn Sink();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();

    QElapsedTimer SincePaint; // invalid until the first paint after showing
};
