#include "closeotherwindows.h"

#include "commondialog.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

const int MAX_PASSES = 64;

bool hasVisibleChildWindow(const QWidget *widget)
{
    const QList<QWidget *> children = widget->findChildren<QWidget *>();
    for (const QWidget *child : children) {
        if (child->isWindow() && child->isVisible())
            return true;
    }
    return false;
}

// Without a StatusNotifier host Qt shows the tray icon as a window of its
// own in an XEmbed tray; closing it would take the icon out of the tray.
bool isTrayIconWindow(const QWidget *window) { return window->inherits("QSystemTrayIconSys"); }

// Ends a local event loop once the window it watches hides.
class HideWatch : public QObject
{
public:
    HideWatch(QWidget *window, QEventLoop *loop) : m_loop(loop) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            m_loop->quit();
        return false;
    }

private:
    QEventLoop *m_loop;
};

// Runs events until the window hides or goes, for at most `msecs`: asleep
// while nothing happens, not polling.
void waitForHiding(const QPointer<QWidget> &window, int msecs)
{
    if (msecs <= 0)
        return;
    const QDeadlineTimer deadline(msecs);
    while (window && window->isVisible() && !deadline.hasExpired()) {
        QEventLoop loop;
        HideWatch watch(window, &loop);
        QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
        QTimer::singleShot(int(qMax<qint64>(1, deadline.remainingTime())), &loop, &QEventLoop::quit);
        loop.exec();
    }
}

} // namespace

int closeOtherWindows(const QList<QWidget *> &keep, int waitMsecs)
{
    QList<QPointer<QWidget>> refused;
    int closed = 0;
    for (int pass = 0; pass < MAX_PASSES; ++pass) {
        QList<QWidget *> open;
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows) {
            if (window->isVisible() && !keep.contains(window) && !refused.contains(window)
                && !isTrayIconWindow(window) && !CommonDialog::isNotice(window))
                open.append(window);
        }
        QWidget *target = nullptr;
        for (int i = open.size() - 1; i >= 0 && !target; --i) {
            if (!hasVisibleChildWindow(open.at(i)))
                target = open.at(i);
        }
        if (!target)
            break;
        QPointer<QWidget> guard(target);
        if (auto *dialog = qobject_cast<QDialog *>(target))
            dialog->done(0);
        else
            target->close();
        waitForHiding(guard, waitMsecs);
        if (guard && guard->isVisible())
            refused.append(guard);
        else
            ++closed;
    }
    return closed;
}

void closeNotices()
{
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->isVisible() && CommonDialog::isNotice(window))
            window->close();
    }
}
