#include "fakewindowstacking.h"

#include <QWindow>

#include <utility>

namespace {
class FakeWatcher : public QObject
{
public:
    FakeWatcher(QObject *owner, std::function<void()> changed) : QObject(owner), changed(std::move(changed)) {}
    std::function<void()> changed;
};
} // namespace

FakeWindowStacking::FakeWindowStacking()
{
    WindowStacking::setInstance(this);
}

FakeWindowStacking::~FakeWindowStacking()
{
    if (WindowStacking::instance() == this)
        WindowStacking::setInstance(nullptr);
}

void FakeWindowStacking::setStaysOnTop(QWindow *window, bool on)
{
    if (!window)
        return;
    calls << QStringLiteral("%1 %2").arg(on ? QStringLiteral("above") : QStringLiteral("normal"), window->objectName());
    if (on)
        m_onTop.insert(window);
    else
        m_onTop.remove(window);
}

void FakeWindowStacking::stackNextTo(QWindow *window, QWindow *reference, bool above)
{
    if (window && reference)
        calls << QStringLiteral("%1 %2 %3").arg(window->objectName(), above ? QStringLiteral("over") : QStringLiteral("under"),
                                                 reference->objectName());
}

quint32 FakeWindowStacking::topLevelOf(QWindow *window) const
{
    return window && window->handle() ? quint32(window->winId()) : 0;
}

QObject *FakeWindowStacking::watchStacking(QObject *owner, std::function<void()> changed)
{
    auto *watcher = new FakeWatcher(owner, std::move(changed));
    m_watchers.removeAll(QPointer<QObject>());
    m_watchers.append(watcher);
    return watcher;
}

void FakeWindowStacking::setKeyboardFocus(quint32 window)
{
    calls << QStringLiteral("focus %1").arg(window);
    focus = window;
}

void FakeWindowStacking::stackingChanged()
{
    const QList<QPointer<QObject>> watchers = m_watchers;
    for (const QPointer<QObject> &w : watchers) {
        if (auto *watcher = static_cast<FakeWatcher *>(w.data()))
            watcher->changed();
    }
}

int FakeWindowStacking::watchers() const
{
    int n = 0;
    for (const QPointer<QObject> &w : m_watchers)
        n += w ? 1 : 0;
    return n;
}
