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

TAboutWindow::TAboutWindow(TPrompts& prompts, QWidget* parent)
    : TInfoWindow(QStringLiteral("Form4"), tr("Created by ..."), QSize(400, 370), true, parent),
      Prompts(prompts)
{
    CreateControls();
}

void TAboutWindow::CreateControls()
{
    Credits_Panel = new QFrame(this);
    Credits_Panel->setObjectName(QStringLiteral("Credits_Panel"));
    Credits_Panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    Programming_Label =
        NewLabel("Programming_Label", tr("Programming :  the Cantrel developers"), Credits_Panel);
    Design_Label = NewLabel("Design_Label", tr("Design and Graphics :  the Cantrel developers"),
                            Credits_Panel);
    Mpeg_Label = NewLabel("Mpeg_Label",
                          tr("MPEG analysis :  TMPEGAudio (2026)\n"
                             "by the Cantrel developers\n") +
                              QLatin1String(MpegAnalysisPage),
                          Credits_Panel);
    Mail_Label =
        NewLabel("Mail_Label", tr("Velmor Group\n") + QLatin1String(MakersMail), Credits_Panel);
    Mail_Label->setToolTip(tr("e-mail to ..."));
    HomePage_Label = NewLabel("HomePage_Label", QLatin1String(MakersHomePage), Credits_Panel);
    HomePage_Label->setToolTip(tr("visit our Home Page ..."));
    QFont bold = Mail_Label->font();
    bold.setBold(true);
    Mail_Label->setFont(bold);
    for (QLabel* link : {Mpeg_Label, Mail_Label, HomePage_Label}) {
        link->setStyleSheet(QStringLiteral("QLabel { color: #0000c0; }"));
        link->setCursor(Qt::PointingHandCursor);
    }

    Picture_Panel = new QFrame(Credits_Panel);
    Picture_Panel->setObjectName(QStringLiteral("Picture_Panel"));
    Picture_Panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Image1 = new QLabel(Picture_Panel);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(PictureSize, PictureSize);
    Image1->setPixmap(AboutPicture());
    Image1->setToolTip(tr("visit our Home Page ..."));
    Image1->setCursor(Qt::PointingHandCursor);
    auto* frame = new QVBoxLayout(Picture_Panel);
    frame->setContentsMargins(2, 2, 2, 2);
    frame->addWidget(Image1);

    auto* column = new QVBoxLayout(Credits_Panel);
    for (QWidget* control :
         {Programming_Label, Design_Label, Mpeg_Label, Mail_Label, HomePage_Label}) {
        column->addWidget(control);
    }
    column->addWidget(Picture_Panel, 0, Qt::AlignHCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(Credits_Panel);

    for (QWidget* control :
         {static_cast<QWidget*>(Credits_Panel), static_cast<QWidget*>(Picture_Panel),
          static_cast<QWidget*>(Programming_Label), static_cast<QWidget*>(Design_Label),
          static_cast<QWidget*>(Mpeg_Label), static_cast<QWidget*>(Mail_Label),
          static_cast<QWidget*>(HomePage_Label), static_cast<QWidget*>(Image1)}) {
        control->installEventFilter(this);
    }
}

void TAboutWindow::Credits_PanelClick()
{
    hide();
}

void TAboutWindow::Mail_LabelMouseUp()
{
    Open(QStringLiteral("mailto:") + QLatin1String(MakersMail));
}

void TAboutWindow::Mpeg_LabelMouseUp()
{
    Open(QLatin1String(MpegAnalysisPage));
}

void TAboutWindow::HomePage_LabelClick()
{
    Open(QLatin1String(MakersHomePage));
}

void TAboutWindow::Open(const QString& url)
{
    if (!Prompts.OpenUrl(url)) {
        Prompts.Inform(this, windowTitle(), tr("Could not open \"%1\".").arg(url));
    }
}

bool TAboutWindow::eventFilter(QObject* watched, QEvent* event)
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
        if (watched == HomePage_Label || watched == Image1) {
            HomePage_LabelClick();
        } else {
            Credits_PanelClick();
        }
    }
    if (watched == Mail_Label) {
        Mail_LabelMouseUp();
    } else if (watched == Mpeg_Label) {
        Mpeg_LabelMouseUp();
    }
    return true;
}
