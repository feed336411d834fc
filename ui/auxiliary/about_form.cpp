#include "ui/auxiliary/about_form.h"

#include "ui/components/prompts.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int PictureSize = 100;

QLabel* NewLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

QPixmap AboutPicture()
{
    QPixmap picture(PictureSize, PictureSize);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // the disc and its grooves
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 40));
    painter.drawEllipse(QPointF(50, 50), 46, 46);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    for (int radius = 42; radius > 24; radius -= 4) {
        painter.drawEllipse(QPointF(50, 50), radius, radius);
    }
    // the label with the initial
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 204, 0));
    painter.drawEllipse(QPointF(50, 50), 20, 20);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(24);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(30, 30, 40, 40), Qt::AlignCenter, QStringLiteral("C"));
    return picture;
}

TForm4::TForm4(TPrompts& prompts, QWidget* parent)
    : TInfoWindow(QStringLiteral("Form4"), QStringLiteral("Created by ..."), QSize(400, 370), true,
                  parent),
      Prompts(prompts)
{
    CreateControls();
}

void TForm4::CreateControls()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    Label29 = NewLabel("Label29", QStringLiteral("Programming :  the Cantrel developers"), Panel1);
    Label28 = NewLabel("Label28", QStringLiteral("Design and Graphics :  the Cantrel developers"),
                       Panel1);
    Label20 = NewLabel("Label20",
                       QStringLiteral("MPEG analysis :  TMPEGAudio (2026)\n"
                                      "by the Cantrel developers\n") +
                           QLatin1String(MpegAnalysisPage),
                       Panel1);
    Label1 =
        NewLabel("Label1", QStringLiteral("Velmor Group\n") + QLatin1String(MakersMail), Panel1);
    Label1->setToolTip(QStringLiteral("e-mail to ..."));
    Label2 = NewLabel("Label2", QLatin1String(MakersHomePage), Panel1);
    Label2->setToolTip(QStringLiteral("visit our Home Page ..."));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    for (QLabel* link : {Label20, Label1, Label2}) {
        link->setStyleSheet(QStringLiteral("QLabel { color: #0000c0; }"));
        link->setCursor(Qt::PointingHandCursor);
    }

    Panel2 = new QFrame(Panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Image1 = new QLabel(Panel2);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(PictureSize, PictureSize);
    Image1->setPixmap(AboutPicture());
    Image1->setToolTip(QStringLiteral("visit our Home Page ..."));
    Image1->setCursor(Qt::PointingHandCursor);
    auto* frame = new QVBoxLayout(Panel2);
    frame->setContentsMargins(2, 2, 2, 2);
    frame->addWidget(Image1);

    auto* column = new QVBoxLayout(Panel1);
    for (QWidget* control : {Label29, Label28, Label20, Label1, Label2}) {
        column->addWidget(control);
    }
    column->addWidget(Panel2, 0, Qt::AlignHCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(Panel1);

    for (QWidget* control : {static_cast<QWidget*>(Panel1), static_cast<QWidget*>(Panel2),
                             static_cast<QWidget*>(Label29), static_cast<QWidget*>(Label28),
                             static_cast<QWidget*>(Label20), static_cast<QWidget*>(Label1),
                             static_cast<QWidget*>(Label2), static_cast<QWidget*>(Image1)}) {
        control->installEventFilter(this);
    }
}

void TForm4::Panel1Click()
{
    hide();
}

void TForm4::Label1MouseUp()
{
    Open(QStringLiteral("mailto:") + QLatin1String(MakersMail));
}

void TForm4::Label20MouseUp()
{
    Open(QLatin1String(MpegAnalysisPage));
}

void TForm4::Label2Click()
{
    Open(QLatin1String(MakersHomePage));
}

void TForm4::Open(const QString& url)
{
    if (!Prompts.OpenUrl(url)) {
        Prompts.Inform(this, windowTitle(), QStringLiteral("Could not open \"%1\".").arg(url));
    }
}

bool TForm4::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        PressedOn = mouse->button() == Qt::LeftButton ? watched : nullptr;
        // the press is the control's own; it does not reach the panel behind
        return true;
    }
    if (event->type() != QEvent::MouseButtonRelease) {
        return THidingWindow::eventFilter(watched, event);
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const auto* widget = static_cast<QWidget*>(watched);
    if (!widget->rect().contains(mouse->position().toPoint())) {
        PressedOn = nullptr;
        return true;
    }
    // a click (a left press and release on the same control), then the release itself
    const bool clicked = mouse->button() == Qt::LeftButton && PressedOn == watched;
    PressedOn = nullptr;
    if (clicked) {
        if (watched == Label2 || watched == Image1) {
            Label2Click();
        } else {
            Panel1Click();
        }
    }
    if (watched == Label1) {
        Label1MouseUp();
    } else if (watched == Label20) {
        Label20MouseUp();
    }
    return true;
}
