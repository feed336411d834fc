#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QFrame;
class QLabel;

// Width in pixels of the bar inside a frame `frameWidth` wide, whose borders take 8 pixels:
// (frameWidth - 8) * position / range, truncated. A range of 0 gives a full bar; a position
// outside 0..range gives an empty or a full bar.
int ProgressBarWidth(int frameWidth, int position, int range);

// The bare progress bar a batch job shows while it runs: frameless, above all windows, centred.
// Every producer feeds it through Report, one call per step.
class TProgressWindow : public QWidget
{
    Q_OBJECT

public:
    explicit TProgressWindow(QWidget* parent = nullptr);

    // The longest time a report waits to be painted (ms).
    static constexpr int PaintIntervalMs = 50;

public slots:
    // Sizes the bar to `position` of `range` (a full bar for range 0) with `text` on it, and
    // repaints at once, so the window stays current while the producer's loop keeps the thread
    // busy. Reports that follow a paint within PaintIntervalMs are painted with the next events
    // instead, except a full bar.
    void Report(int position, int range, const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();

    QFrame* Frame = nullptr;
    QLabel* Bar = nullptr;    // showing the text in bold
    QElapsedTimer SincePaint; // invalid until the first paint after showing
};
