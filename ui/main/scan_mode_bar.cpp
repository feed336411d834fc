#include "ui/main/scan_mode_bar.h"

#include "ui/components/named.h"

#include <QHBoxLayout>

namespace {

const QColor ScanningColour(Qt::red);
const QColor RecursiveColour(0x80, 0x00, 0x00); // maroon

} // namespace

TScanModeBar::TScanModeBar(QWidget* parent) : TPanel(parent)
{
    setFixedHeight(24);
    auto* bar = new QHBoxLayout(this);
    bar->setContentsMargins(3, 2, 3, 2);
    bar->setSpacing(4);
    Indicator = Named(new TPanel(this), "ScanIndicator");
    Indicator->setFixedSize(16, 16);
    Indicator->setAutoFillBackground(true);
    Caption = Named(new TPanel(this), "ScanModeCaption");
    bar->addWidget(Indicator);
    bar->addWidget(Caption, 1);

    // the caption is pressed in while the button is down, as a button would be
    connect(Caption, &TPanel::MouseDown, this, [this] { Caption->setFrameShadow(Sunken); });
    connect(Caption, &TPanel::MouseUp, this, [this] { Caption->setFrameShadow(Raised); });
    for (const TPanel* part : {Indicator, Caption}) {
        connect(part, &TPanel::Clicked, this, &TPanel::Clicked);
    }
    ShowState(false, false);
}

void TScanModeBar::ShowState(bool recursive, bool scanning)
{
    QPalette colours = Indicator->palette();
    colours.setColor(QPalette::Window,
                     scanning ? ScanningColour : palette().color(QPalette::Button));
    Indicator->setPalette(colours);
    if (scanning) {
        Caption->SetCaption(tr("...Scanning..."));
    } else {
        Caption->SetCaption(recursive ? tr("Rec&ursive Scan") : tr("Normal Scan - &U"));
    }
    Caption->SetCaptionColour(recursive && !scanning ? RecursiveColour : QColor(Qt::black));
}
