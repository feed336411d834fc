#include "ui/components/form_info.h"

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
std::optional<int> StoredInteger(const QSettings& settings, const QString& name)
{
    const QString text = settings.value(name).toString().trimmed();
    bool ok = false;
    const int number = text.startsWith("0x", Qt::CaseInsensitive) ? text.mid(2).toInt(&ok, 16)
                                                                  : text.toInt(&ok, 10);
    return ok ? std::optional<int>(number) : std::nullopt;
}

int ReadInteger(const QSettings& settings, const QString& name, int fallback)
{
    return StoredInteger(settings, name).value_or(fallback);
}

// Booleans are stored as "0" and "1"; any non-zero integer reads as true.
bool ReadBoolean(const QSettings& settings, const QString& name, bool fallback)
{
    const std::optional<int> number = StoredInteger(settings, name);
    return number ? *number != 0 : fallback;
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

void TFormInfo::Load()
{
    if (OwnerWindow == nullptr) {
        return;
    }
    CompleteNames();
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Company, AppName);
    settings.beginGroup(FormName);

    QWidget* window = OwnerWindow;
    int width = ReadInteger(settings, "Width", window->width());
    int height = ReadInteger(settings, "Height", window->height());
    const int left = ReadInteger(settings, "Left", window->x());
    const int top = ReadInteger(settings, "Top", window->y());
    if (width <= 0 || height <= 0) {
        width = window->width();
        height = window->height();
    }
    const TPlacementRect placed =
        PlacementOnScreens({left, top, width, height}, AvailableScreens());
    window->resize(placed.Width, placed.Height);
    window->move(placed.Left, placed.Top);

    // only normal and not normal are stored, so a window closed minimized opens maximized
    if (ReadBoolean(settings, "WindowState", IsNormal(window))) {
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
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Company, AppName);
    settings.beginGroup(FormName);

    const QWidget* window = OwnerWindow;
    const bool normal = IsNormal(window);
    QRect placement(window->pos(), window->size());
    if (!normal && window->normalGeometry().isValid()) {
        // a maximized window keeps the place it returns to; normalGeometry leaves out the frame
        // that pos() includes
        const QPoint frame = window->geometry().topLeft() - window->pos();
        placement = window->normalGeometry().translated(-frame);
    }
    settings.setValue("WindowState", normal ? "1" : "0");
    settings.setValue("Top", QString::number(placement.y()));
    settings.setValue("Left", QString::number(placement.x()));
    settings.setValue("Width", QString::number(placement.width()));
    settings.setValue("Height", QString::number(placement.height()));
}

void TFormInfo::Loaded()
{
    if (AutoLoad) {
        Load();
    }
}
