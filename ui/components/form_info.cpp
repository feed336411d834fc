#include "ui/components/form_info.h"

#include "settings/stored_settings.h"
#include "workspace/window_placement.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <vector>

namespace {

constexpr const char* DefaultCompany = "Kestrel Developer";
constexpr Qt::WindowStates NotNormal =
    Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

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

    QWidget* window = OwnerWindow;
    const TPlacement stored = ReadPlacement(TSettingsBatch(Company, AppName), FormName);
    int width = stored.Width.value_or(window->width());
    int height = stored.Height.value_or(window->height());
    if (width <= 0 || height <= 0) {
        width = window->width();
        height = window->height();
    }
    if (stored.Width && stored.Height) {
        window->resize(width, height);
    }
    // A window that was never shown stands at 0,0, where its title bar would be above the
    // screen: without a stored place it is placed as it is first shown.
    PlaceOnShow = !stored.Left || !stored.Top;
    if (PlaceOnShow) {
        window->installEventFilter(this);
    } else {
        const TPlacementRect placed =
            PlacementOnScreens({*stored.Left, *stored.Top, width, height}, AvailableScreens());
        window->resize(placed.Width, placed.Height);
        window->move(placed.Left, placed.Top);
    }

    // Only normal and not normal are stored, so a window closed minimized opens maximized.
    if (stored.Normal.value_or(IsNormal(window))) {
        window->setWindowState(window->windowState() & ~NotNormal);
    } else {
        window->setWindowState((window->windowState() & ~NotNormal) | Qt::WindowMaximized);
    }
}

bool TFormInfo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == OwnerWindow && event->type() == QEvent::Show && PlaceOnShow) {
        PlaceOnShow = false;
        OwnerWindow->removeEventFilter(this);
        std::optional<TPlacementRect> opener;
        if (const QWidget* active = QApplication::activeWindow();
            active != nullptr && active != OwnerWindow) {
            const QRect frame = active->frameGeometry();
            opener = TPlacementRect{frame.x(), frame.y(), frame.width(), frame.height()};
        }
        const TPlacementRect placed =
            FirstPlacement(OwnerWindow->width(), OwnerWindow->height(), opener, AvailableScreens());
        OwnerWindow->resize(placed.Width, placed.Height);
        OwnerWindow->move(placed.Left, placed.Top);
    }
    return QObject::eventFilter(watched, event);
}

void TFormInfo::Save()
{
    if (OwnerWindow == nullptr) {
        return;
    }
    CompleteNames();
    TSettingsBatch batch(Company, AppName);
    Save(batch);
    batch.Commit();
}

void TFormInfo::Save(TSettingsBatch& batch)
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
    WritePlacement(batch, FormName,
                   {placement.width(), placement.height(), placement.x(), placement.y(), normal});
}

void TFormInfo::Loaded()
{
    if (AutoLoad) {
        Load();
    }
}
