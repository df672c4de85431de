#include "screenrepaint.h"

#include "x11.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include <vector>

namespace screenrepaint {

namespace {
// A window uncovered paints itself when it gets to it: the screen must stay
// the same this long to count as repainted.
constexpr qint64 kRestMs = 150;
// How often the screen is looked at meanwhile.
constexpr int kLookMs = 10;
} // namespace

QImage grabArea(const QRect &area)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const QRect r = screen ? area & screen->virtualGeometry() : QRect();
    if (!screen || r.isEmpty())
        return QImage();
    // Relative to the screen grabbed from, as the snapshot of the tools is.
    const QRect local = r.translated(-screen->geometry().topLeft());
    return screen->grabWindow(0, local.x(), local.y(), local.width(), local.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

bool differs(const QImage &before, const QImage &now, double share)
{
    if (before.size() != now.size() || before.isNull())
        return !now.isNull();
    // Every fourth pixel each way is plenty for a window's picture; any
    // change at all may be a thin line (a frame's border), seen only whole.
    const int step = share > 0 ? 4 : 1;
    int changed = 0, total = 0;
    for (int y = 0; y < now.height(); y += step) {
        const auto *a = reinterpret_cast<const QRgb *>(before.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(now.constScanLine(y));
        for (int x = 0; x < now.width(); x += step) {
            ++total;
            const int d = qAbs(qRed(a[x]) - qRed(b[x])) + qAbs(qGreen(a[x]) - qGreen(b[x]))
                          + qAbs(qBlue(a[x]) - qBlue(b[x]));
            if (d > 24)
                ++changed;
        }
    }
    return total > 0 && changed > share * total;
}

namespace {

// One area's way back to rest after a window left it: first it must no
// longer show the window, then stay the same for a while.
class AreaRest
{
public:
    AreaRest(const QRect &area, const QImage &shown, double share) : m_area(area), m_shown(shown), m_share(share) {}

    // One look at the screen at `elapsed` ms; true once at rest. False for
    // good (`failed`) when the screen cannot be grabbed.
    bool look(qint64 elapsed)
    {
        if (m_shown.isNull()) {
            m_failed = true;
            return false;
        }
        const QImage now = grabArea(m_area);
        if (now.isNull()) {
            m_failed = true;
            return false;
        }
        if (!m_gone) {
            m_gone = differs(m_shown, now, m_share);
            m_restingSince = elapsed;
        } else if (now != m_last) {
            m_restingSince = elapsed;
        } else if (elapsed - m_restingSince >= kRestMs) {
            // At rest: a fading window is gone, the ones below have drawn
            // what the hidden one uncovered.
            return true;
        }
        m_last = now;
        return false;
    }
    bool failed() const { return m_failed; }
    // At the deadline: the window at least left it.
    bool gone() const { return m_gone; }

private:
    QRect m_area;
    QImage m_shown;
    double m_share;
    QImage m_last;
    bool m_gone = false;
    bool m_failed = false;
    qint64 m_restingSince = 0;
};

// Looks at its areas one after the other on a timer of the caller's loop.
class RepaintWatch : public QObject
{
public:
    RepaintWatch(const QVector<Covered> &covered, const QVector<QImage> &shown, int timeoutMs, QObject *context,
                 std::function<void(bool)> done)
        : QObject(context), m_timeoutMs(timeoutMs), m_done(std::move(done))
    {
        for (int i = 0; i < covered.size(); ++i)
            m_areas.emplace_back(covered[i].area, shown.value(i), covered[i].share);
        m_clock.start();
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, &RepaintWatch::look);
        m_timer.start(0);
    }

private:
    void look()
    {
        while (m_current < int(m_areas.size())) {
            AreaRest &area = m_areas[size_t(m_current)];
            const qint64 elapsed = m_clock.elapsed();
            if (area.look(elapsed) || area.failed()) {
                m_all = m_all && !area.failed();
                ++m_current;
                continue;
            }
            if (elapsed >= m_timeoutMs) {
                // The time is up for the rest as well.
                finish(m_all && area.gone() && m_current + 1 == int(m_areas.size()));
                return;
            }
            m_timer.start(kLookMs);
            return;
        }
        finish(m_all);
    }
    void finish(bool all)
    {
        // Called once, then gone; the call may delete the context itself.
        auto done = std::move(m_done);
        deleteLater();
        if (done)
            done(all);
    }

    std::vector<AreaRest> m_areas;
    int m_current = 0;
    bool m_all = true;
    int m_timeoutMs;
    QElapsedTimer m_clock;
    QTimer m_timer;
    std::function<void(bool)> m_done;
};

} // namespace

bool waitUntilRepainted(const QRect &area, const QImage &shown, int timeoutMs, double share)
{
    QElapsedTimer clock;
    clock.start();
    AreaRest rest(area, shown, share);
    while (clock.elapsed() < timeoutMs) {
        // The program's own windows below repaint too.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (rest.look(clock.elapsed()))
            return true;
        if (rest.failed())
            return false;
        QThread::msleep(kLookMs);
    }
    return rest.gone();
}

bool hideAndWait(const QVector<Covered> &covered, const std::function<void()> &hide, int timeoutMs)
{
    QVector<QImage> shown;
    shown.reserve(covered.size());
    for (const Covered &c : covered)
        shown.append(grabArea(c.area));
    hide();
    // A caller that waits here handles the events meanwhile anyway: those
    // the hiding brought first.
    QCoreApplication::processEvents();
    x11::sync();
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    bool all = true;
    for (int i = 0; i < covered.size(); ++i) {
        const int left = qMax(0, timeoutMs - int(clock.elapsed()));
        all = waitUntilRepainted(covered[i].area, shown[i], left, covered[i].share) && all;
    }
    return all;
}

QObject *watchRepaint(const QVector<Covered> &covered, const QVector<QImage> &shown, int timeoutMs,
                      QObject *context, std::function<void(bool)> done)
{
    return new RepaintWatch(covered, shown, timeoutMs, context, std::move(done));
}

QObject *hideThen(const QVector<Covered> &covered, const std::function<void()> &hide, int timeoutMs,
                  QObject *context, std::function<void(bool)> done)
{
    QVector<QImage> shown;
    shown.reserve(covered.size());
    for (const Covered &c : covered)
        shown.append(grabArea(c.area));
    hide();
    x11::sync();
    return watchRepaint(covered, shown, timeoutMs, context, std::move(done));
}

} // namespace screenrepaint
