// The screen source's cursor overlay on its own: it draws where the pointer
// is even when no area() call came first for the picture.
#include "core/clock.h"
#include "video/screen_source.h"

#include "engine_harness.h"

#include <QtTest>

#include <vector>

using namespace mirelo;

class TestEngineCursor : public QObject
{
    Q_OBJECT
private slots:
    void theCursorIsDrawnWithoutAnAreaCall()
    {
        QVERIFY(enginetest::paintRoot(0x000000));
        QVERIFY(enginetest::movePointer(32, 32));
        ScreenSource source(true);
        QCOMPARE(source.open(64, 64), 0);
        Overlay *cursor = source.overlay();
        if (!cursor)
            QSKIP("the X server has no XFixes");
        VideoPicture picture;
        QVERIFY(source.grab(picture, monotonicMicros()));
        const size_t bytes = size_t(picture.stride) * picture.height;
        std::vector<uint8_t> before(picture.data, picture.data + bytes);
        std::vector<uint8_t> drawn = before;
        VideoPicture copy = picture;
        copy.data = drawn.data();
        cursor->draw(copy, 1000);
        QVERIFY2(drawn != before, "nothing was drawn");
        source.close();
    }
};

QTEST_GUILESS_MAIN(TestEngineCursor)
#include "tst_x11_engine_cursor.moc"
