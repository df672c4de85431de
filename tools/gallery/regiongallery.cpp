// Gallery pictures of the area picker, the region frame (normal, with its
// size menu, recording with shapes, its size button at the largest size) and
// the custom size panel, each over a made-up desktop so the translucent parts
// read as they do on screen.

#include "gallery.h"

#include "areaselected.h"
#include "areaselecting.h"
#include "graphicdrawing.h"
#include "mycustomareaselect.h"
#include "regiongeometry.h"
#include "regionowner.h"
#include "skinmanager.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace gallery {
namespace {

// A desktop with two windows and some text, at the given size.
QImage fakeDesktop(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor(58, 110, 165));
    sky.setColorAt(1, QColor(150, 190, 220));
    p.fillRect(image.rect(), sky);
    auto window = [&](const QRect &r, const QColor &title, const QString &name) {
        p.fillRect(r, QColor(245, 245, 245));
        p.fillRect(QRect(r.topLeft(), QSize(r.width(), 28)), title);
        p.setPen(Qt::white);
        p.drawText(r.topLeft() + QPoint(10, 19), name);
        p.setPen(QColor(120, 120, 120));
        for (int y = r.top() + 48; y < r.bottom() - 10; y += 18)
            p.drawLine(r.left() + 16, y, r.left() + 16 + (y * 37) % (r.width() - 40), y);
    };
    window(QRect(40, 40, 420, 300), QColor(70, 70, 80), QStringLiteral("Notes"));
    window(QRect(300, 180, 440, 320), QColor(40, 120, 90), QStringLiteral("Browser"));
    return image;
}

QWidget *picture(const QPixmap &pixmap)
{
    auto *label = new QLabel;
    label->setPixmap(pixmap);
    label->setFixedSize(pixmap.size());
    return label;
}

// The picker with a made-up snapshot, pointing at the second window.
class PickerPreview : public AreaSelecting
{
public:
    PickerPreview() : AreaSelecting(nullptr)
    {
        setAttribute(Qt::WA_TranslucentBackground, false);
        m_desktopImage = fakeDesktop(size());
        m_dimmedImage = region::dimmed(m_desktopImage);
        m_windowRects = {QRect(300, 180, 440, 320), QRect(40, 40, 420, 300)};
        m_pointer = m_screenRect.topLeft() + QPoint(420, 300);
        setSelection(region::windowRectAt(m_windowRects, m_screenRect, m_pointer));
    }
};

void send(QWidget *w, QEvent::Type type, const QPoint &p)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, p, w->mapToGlobal(p), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton),
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void drawShape(AreaSelected *frame, int tool, const QPoint &from, const QPoint &to)
{
    frame->setGraphicType(tool);
    send(frame, QEvent::MouseButtonPress, from);
    send(frame, QEvent::MouseMove, (from + to) / 2);
    send(frame, QEvent::MouseMove, to);
    send(frame, QEvent::MouseButtonRelease, to);
}

// The frame over the desktop; with its menu popped below its size button.
QPixmap framePicture(AreaSelected *frame, bool withMenu)
{
    frame->show();
    QApplication::processEvents();
    QPixmap shot = QPixmap::fromImage(fakeDesktop(frame->size()));
    QPainter p(&shot);
    p.drawPixmap(0, 0, frame->grab());
    if (withMenu) {
        QMenu *menu = frame->sizeMenu();
        menu->adjustSize();
        auto *button = frame->findChild<QPushButton *>(QStringLiteral("btnAreaSize"));
        const QPoint at = button->mapTo(frame, QPoint(button->width() / 2, button->height()));
        p.drawPixmap(at, menu->grab());
    }
    return shot;
}

QWidget *makeRegionFrame(bool withMenu)
{
    AreaSelected frame(nullptr);
    frame.setSelectedRectImmediately(QRect(120, 110, 480, 330));
    frame.setFullScreenMode(false);
    return picture(framePicture(&frame, withMenu));
}

QWidget *makeRecordingFrame()
{
    AreaSelected frame(nullptr);
    frame.setSelectedRectImmediately(QRect(140, 130, 460, 300));
    frame.setFullScreenMode(false);
    frame.setRecordingMode(true);
    frame.setAllowMoveRegion(true);
    frame.show();
    QApplication::processEvents();
    frame.setPenSize(4);
    frame.setPenColor(QColor(235, 51, 36));
    drawShape(&frame, 1, QPoint(180, 170), QPoint(330, 260));
    frame.setPenColor(QColor(40, 160, 80));
    drawShape(&frame, 4, QPoint(520, 380), QPoint(360, 280));
    frame.setGraphicType(0);
    return picture(framePicture(&frame, false));
}

class NoOwner : public RegionOwner
{
public:
    void setFrameVisible(bool) override {}
    void setCustomAreaSize(const QSize &, bool) override {}
};

// The panel holding the given size; the largest its boxes take is
// 10000 x 10000.
QWidget *makePanel(bool locked, const QSize &size)
{
    static NoOwner owner;
    auto *panel = new MyCustomAreaSelect(&owner);
    for (auto [name, value] : {std::pair{"spinBoxWidth", size.width()}, std::pair{"spinBoxHeight", size.height()}}) {
        auto *box = panel->findChild<QSpinBox *>(QLatin1String(name));
        const QSignalBlocker quiet(box);
        box->setValue(value);
    }
    if (locked)
        panel->findChild<QPushButton *>(QStringLiteral("btnLockScale"))->click();
    return panel;
}

// The frame's tool bar alone, its size button showing the largest size.
QWidget *makeSizeLabel()
{
    AreaSelected frame(nullptr);
    frame.setSelectedRectImmediately(QRect(0, 0, 10000, 10000));
    frame.setFullScreenMode(false);
    frame.show();
    QApplication::processEvents();
    return picture(frame.findChild<QFrame *>(QStringLiteral("frmWindowHint"))->grab());
}

} // namespace

QList<GalleryEntry> regionEntries()
{
    return {
        {"region-picker", [] { return static_cast<QWidget *>(new PickerPreview); }},
        {"region-frame", [] { return makeRegionFrame(false); }},
        {"region-frame-menu", [] { return makeRegionFrame(true); }},
        {"region-frame-recording", makeRecordingFrame},
        {"region-size-label", makeSizeLabel},
        {"custom-size-panel", [] { return makePanel(false, QSize(1920, 1080)); }},
        {"custom-size-panel-locked", [] { return makePanel(true, QSize(400, 300)); }},
        {"custom-size-panel-largest", [] { return makePanel(false, QSize(10000, 10000)); }},
    };
}

} // namespace gallery
