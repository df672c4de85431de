#pragma once
// A stacking layer for tests: remembers which windows were asked to stay on
// top, and touches no window. The stacking and the keyboard focus are what
// the test sets; stackingChanged() tells the watchers as the X server would.
#include "windowstacking.h"

#include <QList>
#include <QPointer>
#include <QSet>
#include <QStringList>

class FakeWindowStacking : public WindowStacking
{
public:
    // Installs itself as the program's layer; the destructor removes it.
    FakeWindowStacking();
    ~FakeWindowStacking() override;

    void setStaysOnTop(QWindow *window, bool on) override;
    bool staysOnTop(QWindow *window) const override { return m_onTop.contains(window); }
    void stackNextTo(QWindow *window, QWindow *reference, bool above) override;
    QVector<quint32> stackingOrder() const override { return order; }
    // The window's own id.
    quint32 topLevelOf(QWindow *window) const override;
    QObject *watchStacking(QObject *owner, std::function<void()> changed) override;
    quint32 keyboardFocus() const override { return focus; }
    void setKeyboardFocus(quint32 window) override;
    void letFocusFallToRoot() override {}

    // Calls every live watcher.
    void stackingChanged();
    int watchers() const;

    // "above <objectName>" / "normal <objectName>" for every state asked,
    // "<objectName> over|under <objectName>" for every restack, "focus <id>"
    // for every focus given, in order.
    QStringList calls;
    QVector<quint32> order;
    quint32 focus = 0;

private:
    QSet<QWindow *> m_onTop;
    QList<QPointer<QObject>> m_watchers;
};
