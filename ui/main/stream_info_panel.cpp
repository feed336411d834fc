#include "ui/main/stream_info_panel.h"

#include "engine/mpeg_audio.h"
#include "ui/components/named.h"
#include "workspace/display_texts.h"

#include <QGridLayout>
#include <QLabel>

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

TStreamInfoPanel::TStreamInfoPanel(QWidget* parent) : TPanel(parent)
{
    setFrameShadow(QFrame::Sunken);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    const std::pair<QString, const char*> rows[ValueCount] = {
        {tr("Duration Time\n( hh : mm . ss )"), "DurationPanel"},
        {tr("File Size"), "FileSizePanel"},
        {tr("Version"), "VersionPanel"},
        {tr("Mode"), "ModePanel"},
        {tr("Bit Rate"), "BitRatePanel"},
        {tr("Sample Rate"), "SampleRatePanel"},
        {tr("Frame Length"), "FrameLengthPanel"},
    };
    for (int row = 0; row < ValueCount; ++row) {
        auto* panel = Named(new QLabel(this), rows[row].second);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        panel->setMinimumHeight(19);
        grid->addWidget(new QLabel(rows[row].first, this), row, 0);
        grid->addWidget(panel, row, 1);
        Values[static_cast<std::size_t>(row)] = panel;
    }
    grid->setColumnStretch(1, 1);
}

void TStreamInfoPanel::Show(const TMPEGAudio& audio)
{
    const TDateTime duration = audio.DurationTime();
    Values[Duration]->setText(
        Text(DurationText(duration.Hour, duration.Minute, duration.Second) + "  "));
    if (const auto size = FileSizeText(audio.FileLength)) {
        Values[FileSize]->setText(Text(*size));
    }
    Values[Version]->setText(Text(VersionText(audio.Version, audio.Layer)));
    Values[Mode]->setText(Text(ModeText(audio.ModeName())));
    Values[BitRate]->setText(Text(BitRateText(audio.BitRate)));
    Values[SampleRate]->setText(Text(PlainNumberText(audio.SampleRate)));
    Values[FrameLength]->setText(Text(PlainNumberText(audio.FrameLength)));
}

void TStreamInfoPanel::Clear()
{
    for (QLabel* value : Values) {
        value->clear();
    }
}
