#pragma once
// A stacking layer for tests: remembers which windows were asked to stay on
// top, and touches no window.
#include "windowstacking.h"

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

    // "above <objectName>" / "normal <objectName>" for every state asked,
    // "<objectName> over|under <objectName>" for every restack, in order.
    QStringList calls;

private:
    QSet<QWindow *> m_onTop;
};
