#include "ui/components/hot_key_manager.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <iterator>

namespace {

TManagersList* TheList = nullptr;

struct TKeyCode
{
    int QtKey;
    std::uint16_t VirtualKey;
};

// Keys of the main keyboard other than letters and digits. Shifted punctuation names the same
// key as its plain character.
constexpr TKeyCode MainKeys[] = {
    {Qt::Key_Backspace, 0x08},    {Qt::Key_Tab, 0x09},        {Qt::Key_Backtab, 0x09},
    {Qt::Key_Return, 0x0D},       {Qt::Key_Enter, 0x0D},      {Qt::Key_Shift, 0x10},
    {Qt::Key_Control, 0x11},      {Qt::Key_Alt, 0x12},        {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14},     {Qt::Key_Escape, 0x1B},     {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21},       {Qt::Key_PageDown, 0x22},   {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},         {Qt::Key_Left, 0x25},       {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},        {Qt::Key_Down, 0x28},       {Qt::Key_Print, 0x2C},
    {Qt::Key_Insert, 0x2D},       {Qt::Key_Delete, 0x2E},     {Qt::Key_Meta, 0x5B},
    {Qt::Key_Menu, 0x5D},         {Qt::Key_NumLock, 0x90},    {Qt::Key_ScrollLock, 0x91},
    {Qt::Key_Semicolon, 0xBA},    {Qt::Key_Colon, 0xBA},      {Qt::Key_Equal, 0xBB},
    {Qt::Key_Plus, 0xBB},         {Qt::Key_Comma, 0xBC},      {Qt::Key_Less, 0xBC},
    {Qt::Key_Minus, 0xBD},        {Qt::Key_Underscore, 0xBD}, {Qt::Key_Period, 0xBE},
    {Qt::Key_Greater, 0xBE},      {Qt::Key_Slash, 0xBF},      {Qt::Key_Question, 0xBF},
    {Qt::Key_QuoteLeft, 0xC0},    {Qt::Key_AsciiTilde, 0xC0}, {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BraceLeft, 0xDB},    {Qt::Key_Backslash, 0xDC},  {Qt::Key_Bar, 0xDC},
    {Qt::Key_BracketRight, 0xDD}, {Qt::Key_BraceRight, 0xDD}, {Qt::Key_Apostrophe, 0xDE},
    {Qt::Key_QuoteDbl, 0xDE},
};

// The keypad keys that are not digits.
constexpr TKeyCode KeypadKeys[] = {
    {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B},  {Qt::Key_Minus, 0x6D},
    {Qt::Key_Period, 0x6E},   {Qt::Key_Comma, 0x6E}, {Qt::Key_Slash, 0x6F},
};

// The characters of Shift+1 .. Shift+0 on a US layout.
constexpr int ShiftedDigits[] = {Qt::Key_Exclam,    Qt::Key_At,       Qt::Key_NumberSign,
                                 Qt::Key_Dollar,    Qt::Key_Percent,  Qt::Key_AsciiCircum,
                                 Qt::Key_Ampersand, Qt::Key_Asterisk, Qt::Key_ParenLeft,
                                 Qt::Key_ParenRight};

// X11 and Wayland key codes of the digit row "1" .. "0", whatever the layout prints on them.
constexpr quint32 FirstDigitRowCode = 10;

std::uint16_t DigitKey(int indexFromOne)
{
    // "1" .. "9" and then "0"
    return static_cast<std::uint16_t>(VirtualKey0 + (indexFromOne + 1) % 10);
}

std::uint16_t LookUp(const TKeyCode* first, const TKeyCode* last, int qtKey)
{
    const auto found =
        std::find_if(first, last, [qtKey](const TKeyCode& code) { return code.QtKey == qtKey; });
    return found == last ? 0 : found->VirtualKey;
}

bool PhysicalDigitRow(const QKeyEvent& event)
{
    const QString platform = QGuiApplication::platformName();
    const bool evdevCodes = platform == QLatin1String("xcb") || platform.startsWith("wayland");
    return evdevCodes && event.nativeScanCode() >= FirstDigitRowCode &&
           event.nativeScanCode() < FirstDigitRowCode + 10;
}

// The Qt key that stands for a virtual-key code, for a key a handler has replaced.
int QtKeyOf(std::uint16_t key)
{
    if ((key >= VirtualKeyA && key <= VirtualKeyZ) || (key >= VirtualKey0 && key <= VirtualKey9)) {
        return key;
    }
    if (key >= 0x70 && key <= 0x87) {
        return Qt::Key_F1 + (key - 0x70);
    }
    for (const auto& code : MainKeys) {
        if (code.VirtualKey == key) {
            return code.QtKey;
        }
    }
    return Qt::Key_unknown;
}

TShiftState ShiftOf(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::AltModifier),
            modifiers.testFlag(Qt::ControlModifier)};
}

} // namespace

std::uint16_t VirtualKeyOf(const QKeyEvent& event)
{
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<std::uint16_t>(key);
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return static_cast<std::uint16_t>(keypad ? 0x60 + (key - Qt::Key_0) : key);
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return static_cast<std::uint16_t>(0x70 + (key - Qt::Key_F1));
    }
    if (keypad) {
        return LookUp(std::begin(KeypadKeys), std::end(KeypadKeys), key);
    }
    if (PhysicalDigitRow(event)) {
        return DigitKey(static_cast<int>(event.nativeScanCode() - FirstDigitRowCode));
    }
    const auto* shifted = std::find(std::begin(ShiftedDigits), std::end(ShiftedDigits), key);
    if (shifted != std::end(ShiftedDigits) && event.modifiers().testFlag(Qt::ShiftModifier)) {
        return DigitKey(static_cast<int>(shifted - std::begin(ShiftedDigits)));
    }
    return LookUp(std::begin(MainKeys), std::end(MainKeys), key);
}

THotKeyManager::THotKeyManager(QWidget* owner) : QObject(owner), OwnerWindow(owner)
{
    TManagersList::Enter(this);
}

THotKeyManager::~THotKeyManager()
{
    TManagersList::Leave(this);
}

void THotKeyManager::SetEnabled(bool enabled)
{
    if (enabled == IsEnabled) {
        return;
    }
    IsEnabled = enabled;
    if (TManagersList* list = TManagersList::Instance()) {
        list->UpdateFilter(enabled);
    }
}

void THotKeyManager::SetOnKeyDown(TKeyEvent handler)
{
    KeyDown = std::move(handler);
    // a handler set after Loaded still gets its keys
    if (TManagersList* list = TManagersList::Instance()) {
        list->UpdateFilter(false);
    }
}

void THotKeyManager::SetOnKeyUp(TKeyEvent handler)
{
    KeyUp = std::move(handler);
    if (TManagersList* list = TManagersList::Instance()) {
        list->UpdateFilter(false);
    }
}

void THotKeyManager::Loaded()
{
    if (TManagersList* list = TManagersList::Instance()) {
        list->UpdateFilter(IsEnabled);
    }
}

bool THotKeyManager::Receives() const
{
    if (!IsEnabled) {
        return false;
    }
    return AppGlobal || (OwnerWindow != nullptr && OwnerWindow->window()->isActiveWindow());
}

bool TManagersList::TStroke::operator==(const TStroke& other) const
{
    return Press == other.Press && Key == other.Key && Modifiers == other.Modifiers &&
           Timestamp == other.Timestamp && AutoRepeat == other.AutoRepeat;
}

TManagersList* TManagersList::Instance()
{
    return TheList;
}

void TManagersList::Enter(THotKeyManager* manager)
{
    if (TheList == nullptr) {
        TheList = new TManagersList;
    }
    TheList->List.push_back(manager);
    TheList->UpdateFilter(false);
}

void TManagersList::Leave(THotKeyManager* manager)
{
    if (TheList == nullptr) {
        return;
    }
    std::erase(TheList->List, manager);
    TheList->UpdateFilter(false);
    ReleaseIfEmpty();
}

bool TManagersList::ReleaseIfEmpty()
{
    if (TheList == nullptr || !TheList->List.empty() || TheList->DispatchDepth > 0) {
        return false;
    }
    TheList->Uninstall();
    delete TheList;
    TheList = nullptr;
    return true;
}

void TManagersList::UpdateFilter(bool force)
{
    if (force) {
        Install();
        return;
    }
    const bool needed = std::any_of(List.begin(), List.end(), [](const THotKeyManager* manager) {
        return manager->Enabled() && manager->HasHandler();
    });
    if (needed) {
        Install();
    } else {
        Uninstall();
    }
}

void TManagersList::Install()
{
    if (!Installed && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->installEventFilter(this);
        Installed = true;
    }
}

void TManagersList::Uninstall()
{
    if (Installed) {
        if (QCoreApplication::instance() != nullptr) {
            QCoreApplication::instance()->removeEventFilter(this);
        }
        Installed = false;
    }
}

std::uint16_t TManagersList::Dispatch(std::uint16_t key, TShiftState shift, bool released)
{
    // A handler may destroy managers (its window, say) or create new ones: walk a copy of the
    // list and skip those gone since.
    std::vector<QPointer<THotKeyManager>> managers(List.begin(), List.end());
    ++DispatchDepth;
    for (const auto& manager : managers) {
        if (manager.isNull() || !manager->Receives()) {
            continue;
        }
        // the handler's own copy, in case it replaces or destroys the one it runs from
        const TKeyEvent handler = released ? manager->OnKeyUp() : manager->OnKeyDown();
        if (handler) {
            handler(*manager, key, shift);
        }
    }
    --DispatchDepth;
    return key;
}

void TManagersList::Replace(QObject* receiver, const QKeyEvent& original, std::uint16_t key)
{
    // a typed letter or digit types the new one; other keys carry no text
    QString text;
    const bool letter = key >= VirtualKeyA && key <= VirtualKeyZ;
    if (!original.text().isEmpty() && (letter || (key >= VirtualKey0 && key <= VirtualKey9))) {
        const QChar character(key);
        text = original.modifiers().testFlag(Qt::ShiftModifier) ? character : character.toLower();
    }
    QKeyEvent replacement(original.type(), QtKeyOf(key), original.modifiers(), text,
                          original.isAutoRepeat());
    Replaying = true;
    QCoreApplication::sendEvent(receiver, &replacement);
    Replaying = false;
}

bool TManagersList::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (Replaying || !watched->isWidgetType() ||
        (type != QEvent::ShortcutOverride && type != QEvent::KeyPress &&
         type != QEvent::KeyRelease)) {
        return false;
    }
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    TStroke stroke{type != QEvent::KeyRelease, keyEvent->key(), keyEvent->modifiers(),
                   keyEvent->timestamp(), keyEvent->isAutoRepeat()};
    const std::uint16_t key = VirtualKeyOf(*keyEvent);
    if (!HasStroke || !(stroke == Stroke)) {
        HasStroke = true;
        Stroke = stroke;
        Stroke.Result = key;
        if (key == 0) {
            return false;
        }
        const std::uint16_t result = Dispatch(key, ShiftOf(*keyEvent), type == QEvent::KeyRelease);
        if (ReleaseIfEmpty()) {
            // the last manager went with the handler, and this list with it
            if (result == 0) {
                event->accept();
            }
            return result == 0;
        }
        // A handler that opens a dialog sees the dialog's keys pass through here meanwhile: this
        // key is remembered again, or its way up the parents would run the handler once more.
        Stroke = stroke;
        Stroke.Result = result;
    }
    if (Stroke.Result == 0) {
        // swallowed: no shortcut and no widget gets it
        event->accept();
        return true;
    }
    if (Stroke.Result != key && type != QEvent::ShortcutOverride) {
        // the widgets get the key the handler put in its place, once: the replacement travels
        // up the parents by itself
        if (!Stroke.Replaced) {
            Stroke.Replaced = true;
            Replace(watched, *keyEvent, Stroke.Result);
        }
        return true;
    }
    return false;
}
