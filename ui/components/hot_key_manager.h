#pragma once

#include "workspace/key_map.h"

#include <QEvent>
#include <QObject>

#include <cstdint>
#include <functional>
#include <vector>

class QKeyEvent;
class QWidget;
class THotKeyManager;

// A key handler: the manager that calls it, the key as a Windows virtual-key code, which the
// handler may change (0 swallows the key), and the modifier keys held.
using TKeyEvent =
    std::function<void(THotKeyManager& sender, std::uint16_t& key, TShiftState shift)>;

// Hands every key press and release of the program to the window that owns it, before the
// focused control sees the key. By default only while its window is the active window.
class THotKeyManager : public QObject
{
    Q_OBJECT

public:
    explicit THotKeyManager(QWidget* owner);
    ~THotKeyManager() override;

    bool Enabled() const { return IsEnabled; }
    void SetEnabled(bool enabled);
    // Receive keys whatever window is active.
    bool AppGlobal = false;

    const TKeyEvent& OnKeyDown() const { return KeyDown; }
    const TKeyEvent& OnKeyUp() const { return KeyUp; }
    void SetOnKeyDown(TKeyEvent handler);
    void SetOnKeyUp(TKeyEvent handler);

    // Called by the owner once it has set the properties: an enabled manager keeps the keyboard
    // filter installed from then on.
    void Loaded();

    QWidget* Owner() const { return OwnerWindow; }
    // Enabled, and global or its window active: the next key reaches its handlers.
    bool Receives() const;
    bool HasHandler() const { return KeyDown || KeyUp; }

private:
    QWidget* OwnerWindow;
    bool IsEnabled = true;
    TKeyEvent KeyDown;
    TKeyEvent KeyUp;
};

// Every existing manager in creation order, and the one keyboard filter of the program: an
// application-wide event filter, installed while an enabled manager with a handler exists.
// The list exists from the first manager's creation to the last one's destruction.
class TManagersList : public QObject
{
    Q_OBJECT

public:
    // The list, or nullptr while no manager exists.
    static TManagersList* Instance();

    const std::vector<THotKeyManager*>& Managers() const { return List; }
    bool FilterInstalled() const { return Installed; }

    // With force the filter is installed; otherwise installed or removed as the managers need.
    void UpdateFilter(bool force);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class THotKeyManager;

    // A key press or release on its way through the widgets: Qt hands the same key to the
    // focused widget and to each parent, after a shortcut check, so the filter sees it several
    // times and acts on it once.
    struct TStroke
    {
        bool Press = false;
        int Key = 0;
        Qt::KeyboardModifiers Modifiers;
        quint64 Timestamp = 0;
        bool AutoRepeat = false;
        std::uint16_t Result = 0; // the key after the handlers; 0 swallowed it
        bool Replaced = false;    // the widgets have had the handler's key in its place

        bool operator==(const TStroke& other) const;
    };

    static void Enter(THotKeyManager* manager);
    static void Leave(THotKeyManager* manager);
    // Deletes the list when it has become empty and no key is being handed out.
    static bool ReleaseIfEmpty();

    std::uint16_t Dispatch(std::uint16_t key, TShiftState shift, bool released);
    void Replace(QObject* receiver, const QKeyEvent& original, std::uint16_t key);
    void Install();
    void Uninstall();

    std::vector<THotKeyManager*> List;
    bool Installed = false;
    int DispatchDepth = 0;
    bool Replaying = false;
    bool HasStroke = false;
    TStroke Stroke;
};

// The Windows virtual-key code of a key: letters 0x41..0x5A, main-keyboard digits 0x30..0x39
// (also with Shift on a US layout, or on the digit row wherever the platform names the physical
// key), keypad digits 0x60..0x69, F1.. 0x70..; 0 for a key that has none.
std::uint16_t VirtualKeyOf(const QKeyEvent& event);
