#include "screenrepaint.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>

namespace screenrepaint {

namespace {
// A window uncovered paints itself when it gets to it: the screen must stay
// the same this long to count as repainted.
constexpr qint64 kRestMs = 150;
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

bool waitUntilRepainted(const QRect &area, const QImage &shown, int timeoutMs, double share)
{
    if (shown.isNull())
        return false;
    QElapsedTimer clock;
    clock.start();
    bool gone = false;
    QImage last;
    qint64 restingSince = 0;
    while (clock.elapsed() < timeoutMs) {
        // The program's own windows below repaint too.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        const QImage now = grabArea(area);
        if (now.isNull())
            return false;
        if (!gone) {
            gone = differs(shown, now, share);
            restingSince = clock.elapsed();
        } else if (now != last) {
            restingSince = clock.elapsed();
        } else if (clock.elapsed() - restingSince >= kRestMs) {
            // At rest: a fading window is gone, the ones below have drawn
            // what the hidden one uncovered.
            return true;
        }
        last = now;
        QThread::msleep(10);
    }
    return gone;
}

bool hideAndWait(const QVector<Covered> &covered, const std::function<void()> &hide, int timeoutMs)
{
    QVector<QImage> shown;
    shown.reserve(covered.size());
    for (const Covered &c : covered)
        shown.append(grabArea(c.area));
    hide();
    QElapsedTimer clock;
    clock.start();
    bool all = true;
    for (int i = 0; i < covered.size(); ++i) {
        const int left = qMax(0, timeoutMs - int(clock.elapsed()));
        all = waitUntilRepainted(covered[i].area, shown[i], left, covered[i].share) && all;
    }
    return all;
}

} // namespace screenrepaint
