// Annotation shapes drawn into ARGB32 images: outlines, the arrow's head,
// callout discs and numbers, erasers with and without a picture, the spray
// and text lines. Text sizes are taken from the same font's metrics.
#include <QtTest>

#include "graphicbase.h"
#include "graphiclabel.h"
#include "graphicstroke.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace {

QImage canvas(int w = 64, int h = 64, const QColor &fill = Qt::transparent)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

void render(QImage &image, GraphicBase &shape, bool antialias = false)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, antialias);
    shape.draw(&painter);
}

bool blank(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

// The first and last columns holding anything.
QPair<int, int> inkColumns(const QImage &image)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qAlpha(image.pixel(x, y)) != 0) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

bool rowHasInk(const QImage &image, int y)
{
    for (int x = 0; x < image.width(); ++x)
        if (qAlpha(image.pixel(x, y)) != 0)
            return true;
    return false;
}

} // namespace

class TestGraphicShapes : public QObject
{
    Q_OBJECT
private slots:
    void rectangleDrawnRightToLeft()
    {
        GraphicRectangle shape(QPoint(50, 50), QPoint(10, 10), Qt::red, 1);
        QCOMPARE(shape.type(), 1);
        QImage image = canvas();
        render(image, shape);
        const QRgb red = QColor(Qt::red).rgba();
        // Every side of the dragged box is there, the inside stays empty.
        QCOMPARE(image.pixel(30, 50), red);
        QCOMPARE(image.pixel(50, 30), red);
        QVERIFY(image.pixel(30, 11) == red || image.pixel(30, 10) == red);
        QVERIFY(image.pixel(11, 30) == red || image.pixel(10, 30) == red);
        QCOMPARE(qAlpha(image.pixel(30, 30)), 0);
        QCOMPARE(shape.start(), QPoint(50, 50));
    }

    void arrowGeometry()
    {
        const QRgb blue = QColor(Qt::blue).rgba();
        {
            GraphicArrow still(QPoint(30, 30), QPoint(30, 30), Qt::blue, 2);
            QImage image = canvas();
            render(image, still);
            QVERIFY(blank(image));
        }
        // Ten pixels long with pen 2: the 20-pixel head reaches back past
        // the tail to x = 40, 16 pixels wide, with the tail's notch in it.
        GraphicArrow shortArrow(QPoint(50, 50), QPoint(60, 50), Qt::blue, 2);
        QImage image = canvas(80, 80);
        render(image, shortArrow);
        QCOMPARE(image.pixel(57, 50), blue);  // near the tip
        QCOMPARE(image.pixel(42, 44), blue);  // inside one corner of the head
        QCOMPARE(image.pixel(42, 56), blue);  // and the other
        QCOMPARE(qAlpha(image.pixel(45, 50)), 0); // the notch behind the tail
        QCOMPARE(qAlpha(image.pixel(38, 50)), 0); // nothing beyond the head
        QCOMPARE(qAlpha(image.pixel(42, 40)), 0); // nor wider than 8 pen widths
    }

    void calloutDiscPerSize_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("radius");
        QTest::newRow("slim") << 1 << 8;
        QTest::newRow("middle") << 2 << 12;
        QTest::newRow("thick") << 4 << 17;
        QTest::newRow("large") << 8 << 22;
        QTest::newRow("other") << 3 << 0;
    }
    void calloutDiscPerSize()
    {
        QFETCH(int, size);
        QFETCH(int, radius);
        QCOMPARE(GraphicCallout::radiusForSize(size), radius);
        // Number in the fill colour, so only the disc shows.
        GraphicCallout shape(QPoint(32, 32), size, 7, Qt::green, Qt::green);
        QImage image = canvas();
        render(image, shape);
        if (radius == 0) {
            QVERIFY(blank(image));
            return;
        }
        const QRgb green = QColor(Qt::green).rgba();
        QCOMPARE(image.pixel(32 + radius - 2, 32), green);
        QCOMPARE(image.pixel(32, 32 - radius + 2), green);
        QCOMPARE(qAlpha(image.pixel(32 + radius + 2, 32)), 0);
        QCOMPARE(qAlpha(image.pixel(32, 32 + radius + 2)), 0);
    }

    void calloutLongNumberOverflowsEvenly()
    {
        const int cx = 100;
        GraphicCallout shape(QPoint(cx, 32), 2, 123456, Qt::white, Qt::black);
        QImage image = canvas(200, 64);
        render(image, shape);
        // The disc spans cx - 12 to cx + 12: anything beyond is the number.
        const QPair<int, int> ink = inkColumns(image);
        const int textWidth = QFontMetrics(GraphicText::textFont(12)).horizontalAdvance(QStringLiteral("123456"));
        QVERIFY2(textWidth > 24, "the number should be wider than the disc");
        QVERIFY(ink.first >= 0);
        QVERIFY(ink.first < cx - 12);
        QVERIFY(ink.second > cx + 12);
        // Centred on the disc: the overflow on each side differs by a few
        // pixels at most (glyph side bearings).
        QVERIFY2(qAbs((cx - ink.first) - (ink.second + 1 - cx)) <= 4,
                 qPrintable(QStringLiteral("%1 .. %2, width %3").arg(ink.first).arg(ink.second).arg(textWidth)));
        QVERIFY(ink.second + 1 - ink.first <= textWidth + 2);
    }

    void eraserWithoutPictureClearsAlpha()
    {
        GraphicEraser eraser(QPoint(10, 10), QPoint(10, 10), 6);
        QCOMPARE(eraser.type(), 9);
        eraser.addPoint(QPoint(50, 10));
        QImage image = canvas(64, 64, Qt::red);
        QPainter painter(&image);
        eraser.draw(&painter);
        QCOMPARE(painter.compositionMode(), QPainter::CompositionMode_SourceOver);
        // A following shape paints normally again.
        GraphicLine line(QPoint(0, 40), QPoint(63, 40), Qt::blue, 2);
        line.draw(&painter);
        painter.end();
        QCOMPARE(qAlpha(image.pixel(30, 10)), 0);
        QCOMPARE(image.pixel(30, 30), QColor(Qt::red).rgba());
        QCOMPARE(image.pixel(30, 40), QColor(Qt::blue).rgba());
    }

    void eraserWithPictureShowsItInPlace()
    {
        QImage pictureImage = canvas(64, 64, Qt::green);
        pictureImage.setPixel(30, 10, QColor(Qt::yellow).rgba());
        const QPixmap picture = QPixmap::fromImage(pictureImage);
        GraphicEraser eraser(QPoint(10, 10), QPoint(10, 10), 6);
        eraser.setPicture(&picture);
        eraser.addPoint(QPoint(50, 10));
        QImage image = canvas(64, 64, Qt::red);
        render(image, eraser);
        QCOMPARE(image.pixel(30, 10), QColor(Qt::yellow).rgba());
        QCOMPARE(image.pixel(20, 10), QColor(Qt::green).rgba());
        QCOMPARE(image.pixel(30, 30), QColor(Qt::red).rgba());
    }

    void eraserRectangleOutlineOnlyWhileDragged()
    {
        GraphicEraserRectangle rect(QPoint(10, 10), QPoint(10, 10));
        rect.addPoint(QPoint(40, 40));
        QImage dragging = canvas(64, 64, Qt::red);
        render(dragging, rect);
        QCOMPARE(qAlpha(dragging.pixel(25, 25)), 0);
        QCOMPARE(dragging.pixel(41, 25), QColor(Qt::blue).rgba());

        rect.setFinished(true);
        QImage done = canvas(64, 64, Qt::red);
        render(done, rect);
        QCOMPARE(qAlpha(done.pixel(25, 25)), 0);
        QCOMPARE(done.pixel(41, 25), QColor(Qt::red).rgba());

        const QPixmap picture = QPixmap::fromImage(canvas(64, 64, Qt::green));
        rect.setPicture(&picture);
        QImage blurred = canvas(64, 64, Qt::red);
        render(blurred, rect);
        QCOMPARE(blurred.pixel(25, 25), QColor(Qt::green).rgba());
        QCOMPARE(blurred.pixel(50, 50), QColor(Qt::red).rgba());
    }

    void airBrushSprayStaysInside()
    {
        const QPoint p(20, 20);
        const int s = 9;
        GraphicAirBrush click(p, p, Qt::black, s);
        click.addPoint(p);
        const QRect square(p.x() - s / 2, p.y() - s / 2, s, s);
        QVERIFY(!click.sprayPoints().isEmpty());
        QVERIFY(click.sprayPoints().size() < s * s);
        for (const QPoint &q : click.sprayPoints())
            QVERIFY2(square.contains(q), qPrintable(QStringLiteral("%1,%2").arg(q.x()).arg(q.y())));

        const int before = click.sprayPoints().size();
        const QPoint b(50, 30);
        click.addPoint(b);
        QVERIFY(click.sprayPoints().size() > before); // accumulates
        const QPointF u = QPointF(b - p) / QLineF(p, b).length();
        const QPointF n(u.y(), -u.x());
        QPolygonF quad;
        quad << QPointF(p) + s * n << QPointF(p) - s * u << QPointF(b) - s * n << QPointF(b) + s * u;
        for (int i = before; i < click.sprayPoints().size(); ++i)
            QVERIFY(quad.containsPoint(click.sprayPoints().at(i), Qt::WindingFill));

        // Only the spray is drawn, one pixel per point.
        QImage image = canvas();
        render(image, click);
        QCOMPARE(image.pixel(click.sprayPoints().first()), QColor(Qt::black).rgba());
    }

    void brushClickIsADot()
    {
        GraphicBrush brush(QPoint(30, 30), QPoint(30, 30), Qt::red, 8);
        QCOMPARE(brush.points().size(), 2);
        QImage image = canvas();
        render(image, brush, true);
        const QRgb red = QColor(Qt::red).rgba();
        QCOMPARE(image.pixel(30, 30), red);
        QCOMPARE(image.pixel(32, 30), red);
        QCOMPARE(image.pixel(30, 28), red);
        QCOMPARE(qAlpha(image.pixel(36, 30)), 0);
        QCOMPARE(qAlpha(image.pixel(33, 33)), 0);
    }

    void emptyTextLineLeavesOneLineSpacing()
    {
        const QPoint at(4, 4);
        GraphicText text(at, Qt::black, 12, QStringLiteral("Hy\n\nHy"));
        const int spacing = QFontMetrics(GraphicText::textFont(12)).lineSpacing();
        QImage image = canvas(120, 4 * spacing + 10);
        render(image, text);
        auto bandHasInk = [&](int line) {
            for (int y = at.y() + line * spacing; y < at.y() + (line + 1) * spacing; ++y)
                if (rowHasInk(image, y))
                    return true;
            return false;
        };
        QVERIFY(bandHasInk(0));
        QVERIFY(!bandHasInk(1));
        QVERIFY(bandHasInk(2));
        QVERIFY(!bandHasInk(3));
    }
};

QTEST_MAIN(TestGraphicShapes)
#include "tst_graphicshapes.moc"
