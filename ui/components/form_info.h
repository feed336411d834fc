#pragma once

#include <QObject>
#include <QString>

class QWidget;
class TSettingsBatch;

// Restores a window's size, position and state from the settings store and stores them again.
// Values live in organisation Company, application AppName, group FormName: "Width", "Height",
// "Left", "Top" as decimal text and "WindowState" as "1" for a normal window, "0" for a
// maximized or minimized one. The owner is the Qt parent.
class TFormInfo : public QObject
{
    Q_OBJECT

public:
    explicit TFormInfo(QWidget* owner);

    bool AutoLoad = true;
    QString Company = "Kestrel Developer";
    // Empty: the program's file name.
    QString AppName;
    // Empty: the owner's objectName.
    QString FormName;

    // Applies the stored placement; a window stored minimized or maximized opens maximized, and
    // one stored off every present screen is moved back onto one. What is not stored stays as
    // the window has it; a window with no stored place is placed when it is first shown, beside
    // the window it is opened from when there is room, else centred on the screen.
    void Load();
    // Stores the placement in the order WindowState, Top, Left, Width, Height.
    void Save();
    // The same into the caller's batch, which names the store (the main window writes all its
    // values at exit in one batch).
    void Save(TSettingsBatch& batch);
    // Called by the owner once its controls are built: Load when AutoLoad is set.
    void Loaded();

    QWidget* Owner() const { return OwnerWindow; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Fills empty AppName, FormName and Company as Load and Save need them.
    void CompleteNames();

    QWidget* OwnerWindow;
    bool PlaceOnShow = false;
};
