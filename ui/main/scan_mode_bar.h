#pragma once

#include "ui/components/panel.h"

// The bar above the file list: a square that turns red while a folder is scanned, and the scan
// mode ("Normal Scan - &U" or, in maroon, "Rec&ursive Scan"). A click anywhere on it asks for the
// other mode.
class TScanModeBar : public TPanel
{
    Q_OBJECT

public:
    explicit TScanModeBar(QWidget* parent = nullptr);

    // Shows the mode, or "...Scanning..." while a scan runs.
    void ShowState(bool recursive, bool scanning);

private:
    TPanel* Indicator = nullptr;
    TPanel* Caption = nullptr;
};
