#include "ui/auxiliary/progress_window.h"

#include "ui/components/named.h"
#include "workspace/batch_report.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace {

constexpr int FrameBorder = 4; // on each side: the 8 pixels the bar never covers
constexpr int FrameWidth = 457;
constexpr int FrameHeight = 33;
constexpr int WindowMargin = 4;

// The text is drawn centred on the whole frame, so that it can be read at any fill: in the
// window's text colour on the empty part and in the bar's colour where the bar covers it.
class TProgressFrame : public QFrame
{
public:
    using QFrame::QFrame;
    QString Text;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QFrame::paintEvent(event);
        QPainter painter(this);
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.drawText(contentsRect(), Qt::AlignCenter, Text);
    }
};

class TProgressBar : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Highlight));
        painter.setPen(palette().color(QPalette::HighlightedText));
        painter.setFont(font());
        // the frame's inner area in this bar's coordinates
        const QRect inner = parentWidget()->contentsRect().translated(-pos());
        painter.drawText(inner, Qt::AlignCenter, text());
    }
};

} // namespace

TProgressWindow::TProgressWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("ProgressWindow"));
    setWindowTitle("Progress");
    CreateControls();
    setFixedSize(FrameWidth + 2 * WindowMargin, FrameHeight + 2 * WindowMargin);
}

void TProgressWindow::CreateControls()
{
    Frame = Named(new TProgressFrame(this), "ProgressFrame");
    Frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Frame->setLineWidth(FrameBorder);
    Frame->setGeometry(WindowMargin, WindowMargin, FrameWidth, FrameHeight);

    Bar = Named(new TProgressBar(Frame), "ProgressBar");
    QFont bold = Bar->font();
    bold.setBold(true);
    Bar->setFont(bold);
    Bar->setGeometry(FrameBorder, FrameBorder, 0, FrameHeight - 2 * FrameBorder);
}

int ProgressBarWidth(int frameWidth, int position, int range)
{
    const long long inner = std::max(frameWidth - 8, 0);
    if (range == 0) {
        return static_cast<int>(inner);
    }
    // 64-bit so that a long batch on a wide frame cannot overflow; the clamp keeps the bar
    // inside its frame for a position past the range or below 0
    const long long width = inner * position / range;
    return static_cast<int>(std::clamp(width, 0LL, inner));
}

void TProgressWindow::Report(int position, int range, const QString& text)
{
    if (Bar->text() != text) {
        Bar->setText(text);
        static_cast<TProgressFrame*>(Frame)->Text = text;
    }
    if (range == 0) {
        range = 1;
        position = 1;
    }
    const QRect inner = Frame->contentsRect();
    Bar->setGeometry(inner.left(), inner.top(), ProgressBarWidth(Frame->width(), position, range),
                     inner.height());
    // a batch reports every file, and a paint costs more than a small file: between paints the
    // change is queued, to be painted with the next events or the next timely report
    if (SincePaint.isValid() && SincePaint.elapsed() < PaintIntervalMs && position + 1 < range) {
        Frame->update();
        return;
    }
    // the producer's loop keeps the thread busy, so paint now instead of queueing it; a window
    // just shown is not on the screen until the desktop has mapped it, so let that happen first
    if (isVisible() && windowHandle() != nullptr && !windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    Frame->repaint();
    SincePaint.start();
}

void TProgressWindow::closeEvent(QCloseEvent* event)
{
    // there is no close box; a close request from the desktop only hides the window
    hide();
    event->ignore();
}

void TProgressWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    SincePaint.invalidate(); // the first report after showing is painted at once
    const QScreen* screen =
        parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        QRect area = frameGeometry();
        area.moveCenter(screen->availableGeometry().center());
        move(area.topLeft());
    }
}
