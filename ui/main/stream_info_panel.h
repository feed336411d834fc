#pragma once

#include "ui/components/panel.h"

#include <array>

class QLabel;
class TMPEGAudio;

// The MPEG stream data of the displayed file: duration, file size, version and layer, channel
// mode, bit rate, sample rate and frame length, each in a panel of its own beside its caption.
class TStreamInfoPanel : public TPanel
{
    Q_OBJECT

public:
    explicit TStreamInfoPanel(QWidget* parent = nullptr);

    void Show(const TMPEGAudio& audio);
    void Clear();

private:
    enum TValue
    {
        Duration,
        FileSize,
        Version,
        Mode,
        BitRate,
        SampleRate,
        FrameLength,
        ValueCount
    };
    std::array<QLabel*, ValueCount> Values{};
};
