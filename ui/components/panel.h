#pragma once

#include <QFrame>

// A panel as the windows use them: a frame that may hold controls, with a caption of its own
// drawn inside, reporting mouse presses, releases and clicks. A click is a left-button release
// over the panel. "&" marks the caption's accelerator letter, drawn underlined.
class TPanel : public QFrame
{
    Q_OBJECT

public:
    explicit TPanel(QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    const QString& Caption() const { return CaptionText; }
    void SetCaptionColour(const QColor& colour);
    void SetAlignment(Qt::Alignment alignment);
    // Space before a left-aligned caption, for a control sitting at the panel's left edge.
    void SetIndent(int pixels);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void MouseDown(Qt::MouseButton button);
    void MouseUp(Qt::MouseButton button);
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString CaptionText;
    Qt::Alignment CaptionAlignment = Qt::AlignCenter;
    int Indent = 0;
};
