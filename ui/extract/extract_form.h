#pragma once

#include "ui/auxiliary/hiding_window.h"

class QLabel;
class TSettingsBatch;

// The tag-from-file-name window. The main window hands it the counts of the files to process and
// the texts of its index and status panels through ShowFileCounts.
class T_Form3 : public THidingWindow
{
    Q_OBJECT

public:
    explicit T_Form3(QWidget* parent = nullptr);

    // `toProcess` files of `total` listed ones will be processed; the index and status panels
    // show `indexText` and `statusText`.
    void ShowFileCounts(int toProcess, int total, const QString& indexText,
                        const QString& statusText);
    int ToProcess() const { return ToProcessCount; }
    int TotalFiles() const { return TotalCount; }

    // Adds the six separators and field choices of the current formula to the caller's batch.
    void StoreLastFormula(TSettingsBatch& batch);

private:
    QLabel* Index_Panel = nullptr;
    QLabel* Status_Panel = nullptr;
    int ToProcessCount = 0;
    int TotalCount = 0;
};
