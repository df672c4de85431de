#pragma once
// Tells when a compositing manager starts or stops on the program's screen
// (the owner of the selection _NET_WM_CM_S<screen> changes), so windows that
// shape themselves for one or the other follow at once: a window whose
// transparent pixels a compositor blended shows them black without it.
//
// On X11 it hears the XFIXES selection events of the program's connection;
// elsewhere it never fires. Tests may call notify() themselves.
#include <QAbstractNativeEventFilter>
#include <QObject>

class CompositingWatch : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    // Made on first use, for the program's life.
    static CompositingWatch *instance();

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;
    // Emits changed() when the state differs from the last one told.
    void notify(bool running);

signals:
    void changed(bool running);

private:
    CompositingWatch();
    unsigned m_selection = 0;
    int m_firstEvent = -1;
    bool m_running = false;
};
