// The area picker offscreen: the window list it keeps, pointing and
// dragging, and what it paints over its snapshot.
#include <QtTest>

#include "areaselecting.h"
#include "platform/fakewindowlist.h"
#include "regiongeometry.h"

namespace {

WindowListEntry entry(const QRect &rect, bool visible = true, const QString &className = QString(),
                      const QVector<WindowListEntry> &children = {})
{
    WindowListEntry e;
    e.rect = rect;
    e.visible = visible;
    e.className = className;
    e.children = children;
    return e;
}

// The picker with a snapshot of one flat colour.
class Picker : public AreaSelecting
{
public:
    Picker() : AreaSelecting(nullptr)
    {
        m_desktopImage = QImage(size(), QImage::Format_ARGB32);
        m_desktopImage.fill(QColor(150, 180, 220));
        m_dimmedImage = region::dimmed(m_desktopImage);
    }
};

void send(QWidget *w, QEvent::Type type, const QPoint &local)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, w->mapToGlobal(local), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

} // namespace

class TestAreaSelecting : public QObject
{
    Q_OBJECT
private slots:
    void windowListFilters()
    {
        const QRect control(20, 40, 50, 20);
        const QVector<WindowListEntry> windows = {
            entry(QRect(10, 10, 300, 200), true, "Editor", {entry(QRect(10, 30, 300, 180), true, "", {entry(control)})}),
            entry(QRect(-8, -8, 500, 400)),                   // starts off the desktop
            entry(QRect(400, 300, 100, 100), false),          // not viewable
            entry(QRect(400, 300, 0, 100)),                   // empty
            entry(QRect(10, 10, 300, 200)),                   // the same rectangle again
            entry(QRect(50, 50, 80, 80), true, "applicationframewindow", {entry(QRect(60, 60, 10, 10))}),
            entry(QRect(500, 100, 200, 100), true, "", {entry(QRect(505, 105, 20, 20), false)}),
        };
        QCOMPARE(AreaSelecting::collectWindowRects(windows),
                 (QVector<QRect>{QRect(10, 10, 300, 200), QRect(10, 30, 300, 180), control, QRect(500, 100, 200, 100)}));
    }

    void pointingThenClickingTakesTheOfferedWindow()
    {
        FakeWindowList list;
        list.entries = {entry(QRect(100, 100, 300, 200))};
        Picker picker;
        QCOMPARE(picker.windowRects().size(), 1);
        const QPoint origin = picker.screenRect().topLeft();
        send(&picker, QEvent::MouseMove, QPoint(200, 200) - origin);
        QCOMPARE(picker.selectedRect(), QRect(100, 100, 300, 200));
        // The desktop itself away from any window.
        send(&picker, QEvent::MouseMove, QPoint(600, 500) - origin);
        QCOMPARE(picker.selectedRect(), picker.screenRect());
        send(&picker, QEvent::MouseMove, QPoint(200, 200) - origin);
        send(&picker, QEvent::MouseButtonPress, QPoint(200, 200) - origin);
        send(&picker, QEvent::MouseButtonRelease, QPoint(200, 200) - origin);
        QCOMPARE(picker.result(), int(QDialog::Accepted));
        QCOMPARE(picker.selectedRect(), QRect(100, 100, 300, 200));
    }

    void dragsEitherWayGiveOneRectangle()
    {
        FakeWindowList list;
        Picker down;
        send(&down, QEvent::MouseButtonPress, QPoint(50, 60));
        send(&down, QEvent::MouseMove, QPoint(250, 160));
        const QRect first = down.selectedRect();
        Picker up;
        send(&up, QEvent::MouseButtonPress, QPoint(250, 160));
        send(&up, QEvent::MouseMove, QPoint(50, 60));
        QCOMPARE(up.selectedRect(), first);
        QCOMPARE(first.size(), QSize(200, 100));
        // Back to the start: an empty pick, which callers ignore.
        send(&up, QEvent::MouseMove, QPoint(250, 160));
        QCOMPARE(up.selectedRect().width(), 0);
    }

    void selectionShowsUndimmed()
    {
        FakeWindowList list;
        list.entries = {entry(QRect(100, 100, 300, 200))};
        Picker picker;
        picker.resize(800, 600);
        send(&picker, QEvent::MouseMove, QPoint(300, 250));
        const QImage image = picker.grab().toImage();
        QCOMPARE(QColor(image.pixel(150, 280)), QColor(150, 180, 220));
        QCOMPARE(QColor(image.pixel(600, 500)), QColor(50, 80, 120));
        // The border around the selection.
        QCOMPARE(QColor(image.pixel(150, 100)), QColor(0xEB, 0x33, 0x24));
    }
};

QTEST_MAIN(TestAreaSelecting)
#include "tst_areaselecting.moc"
