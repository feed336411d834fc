#pragma once

#include <QWidget>

// A top-level window that lives from program start to program end: a close request only hides
// it, so it keeps its state until it is shown again.
class THidingWindow : public QWidget
{
    Q_OBJECT

public:
    THidingWindow(const QString& name, const QString& caption, QWidget* parent = nullptr);

    // Makes the window visible and brings it to the front, without a second copy.
    void ShowWindow();

protected:
    void closeEvent(QCloseEvent* event) override;
};
