#include "ui/components/form_info.h"

#include "engine/ascii_text.h"
#include "settings/registry.h"
#include "workspace/window_placement.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <optional>
#include <vector>

namespace {

constexpr const char* DefaultCompany = "Kestrel Developer";
constexpr Qt::WindowStates NotNormal =
    Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

// Integers are stored as decimal text, or hexadecimal after "0x"; a missing value or a text that
// is not a number gives nothing.
std::optional<int> StoredInteger(const std::optional<QString>& stored)
{
    if (!stored) {
        return std::nullopt;
    }
    return ParseStoredInteger(stored->toStdString());
}

std::vector<TPlacementRect> AvailableScreens()
{
    std::vector<TPlacementRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        screens.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    return screens;
}

bool IsNormal(const QWidget* window)
{
    return (window->windowState() & NotNormal) == 0;
}

} // namespace

TFormInfo::TFormInfo(QWidget* owner) : QObject(owner), OwnerWindow(owner)
{
    if (owner != nullptr) {
        FormName = owner->objectName();
    }
}

void TFormInfo::CompleteNames()
{
    if (AppName.isEmpty()) {
        // the program file's name; a Linux executable has no ".exe" to drop
        AppName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        if (AppName.isEmpty()) {
            AppName = QCoreApplication::applicationName();
        }
    }
    if (FormName.isEmpty() && OwnerWindow != nullptr) {
        FormName = OwnerWindow->objectName();
        if (FormName.isEmpty()) {
            // without a section the values would land among the program's own settings
            FormName = OwnerWindow->metaObject()->className();
        }
    }
    if (Company.isEmpty()) {
        Company = DefaultCompany;
    }
}

bool TFormInfo::InProgramStore() const
{
    return Company == QLatin1String(RegCompany) && AppName == QLatin1String(RegAppName);
}

std::optional<QString> TFormInfo::ReadValue(const QString& name) const
{
    if (InProgramStore()) {
        // the program's own store guards a damaged file against being made worse
        const QString text = ReadRegString(FormName, name);
        return text == QLatin1String(RegNone) ? std::nullopt : std::optional<QString>(text);
    }
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Company, AppName);
    const QString key = FormName + QLatin1Char('/') + name;
    return settings.contains(key) ? std::optional<QString>(settings.value(key).toString())
                                  : std::nullopt;
}

void TFormInfo::WriteValue(const QString& name, const QString& text)
{
    if (InProgramStore()) {
        WriteRegString(FormName, name, text);
        return;
    }
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Company, AppName);
    settings.setValue(FormName + QLatin1Char('/') + name, text);
}

int TFormInfo::ReadInteger(const QString& name, int fallback) const
{
    return StoredInteger(ReadValue(name)).value_or(fallback);
}

void TFormInfo::Load()
{
    if (OwnerWindow == nullptr) {
        return;
    }
    CompleteNames();

    QWidget* window = OwnerWindow;
    int width = ReadInteger("Width", window->width());
    int height = ReadInteger("Height", window->height());
    const int left = ReadInteger("Left", window->x());
    const int top = ReadInteger("Top", window->y());
    if (width <= 0 || height <= 0) {
        width = window->width();
        height = window->height();
    }
    const TPlacementRect placed =
        PlacementOnScreens({left, top, width, height}, AvailableScreens());
    window->resize(placed.Width, placed.Height);
    window->move(placed.Left, placed.Top);

    // Booleans are stored as "0" and "1"; any non-zero integer reads as true. Only normal and not
    // normal are stored, so a window closed minimized opens maximized.
    const std::optional<int> state = StoredInteger(ReadValue("WindowState"));
    if (state ? *state != 0 : IsNormal(window)) {
        window->setWindowState(window->windowState() & ~NotNormal);
    } else {
        window->setWindowState((window->windowState() & ~NotNormal) | Qt::WindowMaximized);
    }
}

void TFormInfo::Save()
{
    if (OwnerWindow == nullptr) {
        return;
    }
    CompleteNames();

    const QWidget* window = OwnerWindow;
    const bool normal = IsNormal(window);
    QRect placement(window->pos(), window->size());
    if (!normal && window->normalGeometry().isValid()) {
        // a maximized window keeps the place it returns to; normalGeometry leaves out the frame
        // that pos() includes
        const QPoint frame = window->geometry().topLeft() - window->pos();
        placement = window->normalGeometry().translated(-frame);
    }
    WriteValue("WindowState", normal ? "1" : "0");
    WriteValue("Top", QString::number(placement.y()));
    WriteValue("Left", QString::number(placement.x()));
    WriteValue("Width", QString::number(placement.width()));
    WriteValue("Height", QString::number(placement.height()));
}

void TFormInfo::Loaded()
{
    if (AutoLoad) {
        Load();
    }
}
