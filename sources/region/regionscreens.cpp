#include "regionscreens.h"

#include "core/enviroment.h"
#include "core/screenaccess.h"
#include "platform/desktopchrome.h"
#include "regiongeometry.h"

#include "commondialog.h"

#include <QGuiApplication>
#include <QScreen>

namespace region {

namespace {
DataGroupPrivate *privateData()
{
    return g_enviroment ? g_enviroment->privateData : nullptr;
}
std::function<QPixmap()> &grabHook()
{
    static std::function<QPixmap()> hook;
    return hook;
}
std::function<QRect()> &screenHook()
{
    static std::function<QRect()> hook;
    return hook;
}
} // namespace

QRect selectedScreen()
{
    if (screenHook())
        return screenHook()();
    if (DataGroupPrivate *p = privateData()) {
        const QRect r = p->selectedScreenGeometry();
        if (!r.isNull())
            return r;
    }
    return desktop();
}

QRect desktop()
{
    if (screenHook())
        return screenHook()();
    if (DataGroupPrivate *p = privateData())
        return p->screenGeometry(-1);
    QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry() : QRect();
}

QList<QRect> monitors()
{
    if (screenHook())
        return {screenHook()()};
    QList<QRect> out;
    for (QScreen *screen : QGuiApplication::screens())
        out << screen->geometry();
    return out;
}

QList<QRect> freeAreas()
{
    if (screenHook())
        return {screenHook()()};
    const QList<QRect> panels = DesktopChrome::instance()->panels();
    QList<QRect> out;
    for (QScreen *screen : QGuiApplication::screens())
        out << freeArea(screen->geometry(), screen->availableGeometry(), panels);
    return out;
}

QRect roomBeside(const QRect &region, const QRect &screen)
{
    const QList<QRect> all = monitors();
    const QList<QRect> free = freeAreas();
    for (int i = 0; i < all.size() && i < free.size(); ++i) {
        if (all[i].contains(region.bottomRight()) && (screen & free[i]).isValid())
            return screen & free[i];
    }
    return screen;
}

void setGrabHook(std::function<QPixmap()> hook)
{
    grabHook() = std::move(hook);
}

void setScreenHook(std::function<QRect()> hook)
{
    screenHook() = std::move(hook);
}

QPixmap grabSelectedScreen()
{
    if (grabHook())
        return grabHook()();
    if (DataGroupPrivate *p = privateData())
        return p->grabSelectedScreen();
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QPixmap();
    // Relative to the screen grabbed from, as DataGroupPrivate does.
    const QRect r = desktop().translated(-screen->geometry().topLeft());
    return screen->grabWindow(0, r.x(), r.y(), r.width(), r.height());
}

bool screenReadable(QWidget *parent)
{
    if (screenaccess::readable())
        return true;
    // Also on a hotkey's road: told without holding it.
    CommonDialog::tell(parent, screenaccess::refusal());
    return false;
}

} // namespace region
