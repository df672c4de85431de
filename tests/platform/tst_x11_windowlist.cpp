// The X11 layers on a private X server: the window tree as the picker reads
// it, the input shape, and how a compositing manager is found.
#include <QtTest>

#include "platform/windowlist.h"
#include "platform/windowshape.h"
#include "platform/x11.h"

#include <QProcess>
#include <QWindow>
#include <QX11Info>

#include <xcb/shape.h>
#include <xcb/xcb.h>

namespace {

const WindowListEntry *find(const QVector<WindowListEntry> &list, quint32 id)
{
    for (const WindowListEntry &e : list) {
        if (e.id == id)
            return &e;
    }
    return nullptr;
}

int indexOf(const QVector<WindowListEntry> &list, quint32 id)
{
    for (int i = 0; i < list.size(); ++i) {
        if (list[i].id == id)
            return i;
    }
    return -1;
}

QWindow *topLevel(const QRect &geometry, const QString &name)
{
    auto *w = new QWindow;
    w->setFlags(Qt::Window | Qt::FramelessWindowHint);
    w->setObjectName(name);
    w->setGeometry(geometry);
    return w;
}

} // namespace

class TestX11WindowList : public QObject
{
    Q_OBJECT
private slots:
    void findsWindowsTopmostFirst()
    {
        QScopedPointer<QWindow> lower(topLevel(QRect(100, 100, 300, 200), "lower"));
        QScopedPointer<QWindow> upper(topLevel(QRect(150, 150, 200, 120), "upper"));
        QScopedPointer<QWindow> hidden(topLevel(QRect(500, 500, 50, 50), "hidden"));
        auto *child = new QWindow(lower.data());
        child->setGeometry(10, 20, 60, 40);
        child->show();
        lower->show();
        QVERIFY(QTest::qWaitForWindowExposed(lower.data()));
        upper->show();
        QVERIFY(QTest::qWaitForWindowExposed(upper.data()));
        hidden->create(); // created, never mapped
        WindowShape::instance()->sync();

        const QVector<WindowListEntry> list = WindowList::instance()->windows({});
        const WindowListEntry *l = find(list, quint32(lower->winId()));
        const WindowListEntry *u = find(list, quint32(upper->winId()));
        QVERIFY(l && u);
        QCOMPARE(l->rect, QRect(100, 100, 300, 200));
        QVERIFY(l->visible);
        QVERIFY(indexOf(list, u->id) < indexOf(list, l->id));
        // The native child, translated to the root.
        QCOMPARE(l->children.size(), 1);
        QCOMPARE(l->children.first().rect, QRect(110, 120, 60, 40));
        const WindowListEntry *h = find(list, quint32(hidden->winId()));
        QVERIFY(h && !h->visible);
        // Our own windows can be left out.
        QVERIFY(!find(WindowList::instance()->windows({quint32(lower->winId())}), quint32(lower->winId())));
        // A window's place as the X server has it, alone or with what
        // holds it (here the child's top-level, as a frame would).
        QCOMPARE(WindowList::instance()->placeOf(quint32(child->winId()), false), QRect(110, 120, 60, 40));
        QCOMPARE(WindowList::instance()->placeOf(quint32(child->winId()), true), QRect(100, 100, 300, 200));
        QCOMPARE(WindowList::instance()->placeOf(quint32(upper->winId()), true), QRect(150, 150, 200, 120));
    }

    void readsTheClassOfAnotherProgram()
    {
        QProcess xlogo;
        xlogo.start("xlogo", {"-geometry", "120x90+300+200"});
        QVERIFY(xlogo.waitForStarted());
        QRect rect;
        auto findLogo = [&] {
            for (const WindowListEntry &e : WindowList::instance()->windows({})) {
                if (e.className == QLatin1String("XLogo") && e.visible) {
                    rect = e.rect;
                    return true;
                }
            }
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(findLogo(), 10000);
        // xlogo asks for its inside; the rectangle holds its 1 px X border.
        QCOMPARE(rect, QRect(300, 200, 122, 92));
        xlogo.kill();
        xlogo.waitForFinished();
    }

    void inputShapeIsSet()
    {
        QScopedPointer<QWindow> w(topLevel(QRect(50, 50, 200, 100), "shaped"));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.data()));
        WindowShape::instance()->setInputRegion(w.data(), QRegion(0, 0, 20, 10));
        xcb_connection_t *c = QX11Info::connection();
        const auto reply = x11::reply(c, xcb_shape_get_rectangles(c, xcb_window_t(w->winId()), XCB_SHAPE_SK_INPUT),
                                      xcb_shape_get_rectangles_reply);
        QVERIFY(reply);
        QCOMPARE(xcb_shape_get_rectangles_rectangles_length(reply.get()), 1);
        const xcb_rectangle_t r = xcb_shape_get_rectangles_rectangles(reply.get())[0];
        QCOMPARE(QRect(r.x, r.y, r.width, r.height), QRect(0, 0, 20, 10));
    }

    void findsACompositingManager()
    {
        QVERIFY(!WindowShape::instance()->compositingManagerRunning());
        QProcess compositor;
        compositor.start("xcompmgr", QStringList());
        QVERIFY(compositor.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(WindowShape::instance()->compositingManagerRunning(), 10000);
        compositor.kill();
        compositor.waitForFinished();
        QTRY_VERIFY_WITH_TIMEOUT(!WindowShape::instance()->compositingManagerRunning(), 10000);
    }
};

QTEST_MAIN(TestX11WindowList)
#include "tst_x11_windowlist.moc"
