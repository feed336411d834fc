#include "ui/auxiliary/about_window.h"

#include "ui/components/named.h"
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
    auto* label = Named(new QLabel(text, parent), name);
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
    : TInfoWindow(QStringLiteral("AboutWindow"), tr("Created by ..."), QSize(400, 370), true,
                  parent),
      Prompts(prompts)
{
    CreateControls();
}

void TAboutWindow::CreateControls()
{
    CreditsPanel = Named(new QFrame(this), "CreditsPanel");
    CreditsPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    ProgrammingLabel =
        NewLabel("ProgrammingLabel", tr("Programming :  the Cantrel developers"), CreditsPanel);
    DesignLabel =
        NewLabel("DesignLabel", tr("Design and Graphics :  the Cantrel developers"), CreditsPanel);
    MpegLabel = NewLabel("MpegLabel",
                         tr("MPEG analysis :  TMPEGAudio (2026)\n"
                            "by the Cantrel developers\n") +
                             QLatin1String(MpegAnalysisPage),
                         CreditsPanel);
    MailLabel =
        NewLabel("MailLabel", tr("Velmor Group\n") + QLatin1String(MakersMail), CreditsPanel);
    MailLabel->setToolTip(tr("e-mail to ..."));
    HomePageLabel = NewLabel("HomePageLabel", QLatin1String(MakersHomePage), CreditsPanel);
    HomePageLabel->setToolTip(tr("visit our Home Page ..."));
    QFont bold = MailLabel->font();
    bold.setBold(true);
    MailLabel->setFont(bold);
    for (QLabel* link : {MpegLabel, MailLabel, HomePageLabel}) {
        link->setStyleSheet(QStringLiteral("QLabel { color: #0000c0; }"));
        link->setCursor(Qt::PointingHandCursor);
    }

    PicturePanel = Named(new QFrame(CreditsPanel), "PicturePanel");
    PicturePanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Picture = Named(new QLabel(PicturePanel), "Picture");
    Picture->setFixedSize(PictureSize, PictureSize);
    Picture->setPixmap(AboutPicture());
    Picture->setToolTip(tr("visit our Home Page ..."));
    Picture->setCursor(Qt::PointingHandCursor);
    auto* frame = new QVBoxLayout(PicturePanel);
    frame->setContentsMargins(2, 2, 2, 2);
    frame->addWidget(Picture);

    auto* column = new QVBoxLayout(CreditsPanel);
    for (QWidget* control : {ProgrammingLabel, DesignLabel, MpegLabel, MailLabel, HomePageLabel}) {
        column->addWidget(control);
    }
    column->addWidget(PicturePanel, 0, Qt::AlignHCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(CreditsPanel);

    for (QWidget* control :
         {static_cast<QWidget*>(CreditsPanel), static_cast<QWidget*>(PicturePanel),
          static_cast<QWidget*>(ProgrammingLabel), static_cast<QWidget*>(DesignLabel),
          static_cast<QWidget*>(MpegLabel), static_cast<QWidget*>(MailLabel),
          static_cast<QWidget*>(HomePageLabel), static_cast<QWidget*>(Picture)}) {
        control->installEventFilter(this);
    }
}

void TAboutWindow::CreditsClicked()
{
    hide();
}

void TAboutWindow::MailClicked()
{
    Open(QStringLiteral("mailto:") + QLatin1String(MakersMail));
}

void TAboutWindow::MpegPageClicked()
{
    Open(QLatin1String(MpegAnalysisPage));
}

void TAboutWindow::HomePageClicked()
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
        if (watched == HomePageLabel || watched == Picture) {
            HomePageClicked();
        } else {
            CreditsClicked();
        }
    }
    if (watched == MailLabel) {
        MailClicked();
    } else if (watched == MpegLabel) {
        MpegPageClicked();
    }
    return true;
}
