// Gallery pictures of the screenshot tool editing a selection with shapes
// beside its panel, the panel alone and a pinned screenshot, over a drawn
// sample desktop.

#include "gallery.h"

#include "capturepanel.h"
#include "graphicdrawing.h"
#include "pintoscreenwidget.h"
#include "regionscreens.h"
#include "screencapturing.h"
#include "skinmanager.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QLinearGradient>
#include <QPainter>

namespace gallery {
namespace {

// A desktop with a few windows, so the dimmed and the clear parts show.
// Drawn at the display scale, as the windows of a real desktop are.
QPixmap sampleDesktop(const QSize &size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor(46, 92, 138));
    sky.setColorAt(1, QColor(120, 170, 150));
    p.fillRect(pixmap.rect(), sky);
    p.scale(g_dscale, g_dscale);
    const QRect windows[] = {{60, 50, 420, 300}, {300, 180, 380, 260}};
    for (const QRect &w : windows) {
        p.fillRect(w, QColor(248, 248, 246));
        p.fillRect(QRect(w.topLeft(), QSize(w.width(), 28)), QColor(60, 64, 72));
        p.setPen(QColor(170, 175, 185));
        for (int y = w.top() + 48; y < w.bottom() - 10; y += 18)
            p.drawLine(w.left() + 16, y, w.right() - 16 - (y * 7) % 90, y);
    }
    return pixmap;
}

QLabel *picture(const QPixmap &pixmap)
{
    auto *label = new QLabel;
    label->setPixmap(pixmap);
    label->resize(pixmap.size());
    return label;
}

QPoint scaledPoint(const QPoint &p) { return QPoint(::scaled(p.x()), ::scaled(p.y())); }

// A tool over the sample desktop, editing a selection with two shapes. Its
// screen is one of 1280x720 at the display scale, as real ones are: the
// offscreen platform's 800x600 screen is narrower than the panel.
ScreenCapturing *sampleTool()
{
    region::setScreenHook([] { return QRect(0, 0, ::scaled(1280), ::scaled(720)); });
    region::setGrabHook([] { return sampleDesktop(region::desktop().size()); });
    auto *tool = new ScreenCapturing(nullptr);
    region::setGrabHook({});
    // The screen stays while the tool lives: the panel is placed on it.
    QObject::connect(tool, &QObject::destroyed, [] { region::setScreenHook({}); });
    const QRect sel(tool->screenRect().topLeft() + scaledPoint(QPoint(90, 70)), QSize(::scaled(360), ::scaled(220)));
    tool->setSelection(sel);
    tool->resize(tool->screenRect().size());
    GraphicDrawing *d = tool->drawing();
    d->setPenColor(QColor(235, 51, 36));
    d->setPenSize(3);
    auto stroke = [tool, d](int type, QPoint a, QPoint b) {
        tool->setGraphicType(type);
        const QPoint o = tool->screenRect().topLeft();
        for (auto kind : {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease}) {
            const QPoint at = kind == QEvent::MouseButtonPress ? a : b;
            QMouseEvent e(kind, at, at + o, Qt::LeftButton,
                          kind == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            d->eventFilter(tool, &e);
        }
    };
    stroke(1, scaledPoint(QPoint(120, 110)), scaledPoint(QPoint(300, 200)));
    stroke(4, scaledPoint(QPoint(420, 260)), scaledPoint(QPoint(310, 190)));
    tool->setGraphicType(0);
    return tool;
}

QWidget *makeTool()
{
    ScreenCapturing *tool = sampleTool();
    // Past the first release: editing, with the panel placed.
    const QPoint o = tool->screenRect().topLeft();
    QMouseEvent press(QEvent::MouseButtonPress, QPoint(1, 1), o + QPoint(1, 1), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPoint(1, 1), o + QPoint(1, 1), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    const QRect sel = tool->selectedRect();
    QApplication::sendEvent(tool, &press);
    tool->setSelection(sel);
    QApplication::sendEvent(tool, &release);
    CapturePanel *panel = tool->panel();
    panel->ensurePolished();
    QPixmap shot = tool->grab();
    {
        QPainter p(&shot);
        p.drawPixmap(panel->pos() - o, panel->grab());
    }
    delete tool;
    return picture(shot);
}

QWidget *makePanel()
{
    ScreenCapturing *tool = sampleTool();
    tool->panel()->ensurePolished();
    const QPixmap shot = tool->panel()->grab();
    delete tool;
    return picture(shot);
}

QWidget *makePin()
{
    ScreenCapturing *tool = sampleTool();
    const QPixmap shot = tool->composedPixmap();
    delete tool;
    auto *pin = new PinToScreenWidget(nullptr, shot);
    pin->resize(shot.size());
    return pin;
}

} // namespace

QList<GalleryEntry> screenshotEntries()
{
    return {
        {"screenshot-tool", makeTool},
        {"capture-panel", makePanel},
        {"pin-to-screen", makePin},
    };
}

} // namespace gallery
