// The drawing controller on a plain host widget: shapes from mouse input,
// undo, redo and clear orders, callout numbers, the text box, the drawing
// area, the idle tool, the blurred background and what gets painted.
#include <QtTest>

#include "core/logfile.h"
#include "graphicdrawing.h"
#include "graphiclabel.h"
#include "graphicstroke.h"
#include "myplaintextedit.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// A host that records the mouse events that reach it.
class Host : public QWidget
{
public:
    Host() { resize(200, 200); }
    QList<QEvent::Type> received;

protected:
    void mousePressEvent(QMouseEvent *) override { received << QEvent::MouseButtonPress; }
    void mouseReleaseEvent(QMouseEvent *) override { received << QEvent::MouseButtonRelease; }
    void mouseMoveEvent(QMouseEvent *) override { received << QEvent::MouseMove; }
};

bool send(QWidget *host, QEvent::Type type, const QPoint &p, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, p, host->mapToGlobal(p), button, held, Qt::NoModifier);
    QApplication::sendEvent(host, &event);
    return event.isAccepted();
}

void press(QWidget *host, const QPoint &p) { send(host, QEvent::MouseButtonPress, p); }
void move(QWidget *host, const QPoint &p) { send(host, QEvent::MouseMove, p, Qt::NoButton); }
void release(QWidget *host, const QPoint &p) { send(host, QEvent::MouseButtonRelease, p); }

void drag(QWidget *host, const QPoint &from, const QPoint &to)
{
    press(host, from);
    move(host, (from + to) / 2);
    release(host, to);
}

} // namespace

class TestGraphicDrawing : public QObject
{
    Q_OBJECT
private slots:
    void defaults()
    {
        Host host;
        GraphicDrawing drawing(&host);
        QCOMPARE(drawing.graphicType(), 0);
        QCOMPARE(drawing.penSize(), 1);
        QCOMPARE(drawing.penColor(), QColor(Qt::red));
        QCOMPARE(drawing.fillColor(), QColor(Qt::red));
        QCOMPARE(drawing.fontColor(), QColor(Qt::white));
        QCOMPARE(drawing.fontSize(), 12);
        QCOMPARE(drawing.orderNumber(), 1);
        QCOMPARE(drawing.blurRadius(), 2);
        QCOMPARE(drawing.effectiveArea(), QRect(1, 1, 198, 198));
    }

    void dragMakesShapeOfTool()
    {
        Host host;
        host.show();
        GraphicDrawing drawing(&host);
        drawing.setGraphicType(1);
        drawing.setPenSize(3);
        drawing.setPenColor(Qt::blue);
        drag(&host, QPoint(10, 10), QPoint(60, 40));
        QCOMPARE(drawing.shapes().size(), 1);
        auto *rect = dynamic_cast<GraphicRectangle *>(drawing.shapes().first());
        QVERIFY(rect);
        QCOMPARE(rect->type(), 1);
        QCOMPARE(rect->start(), QPoint(10, 10));
        QCOMPARE(rect->end(), QPoint(60, 40));
        QCOMPARE(rect->penSize(), 3);
        QCOMPARE(rect->color(), QColor(Qt::blue));
        QVERIFY(!drawing.currentShape());
        QVERIFY(host.received.isEmpty());

        drawing.setGraphicType(5);
        drag(&host, QPoint(20, 20), QPoint(30, 30));
        auto *brush = dynamic_cast<GraphicBrush *>(drawing.shapes().last());
        QVERIFY(brush);
        QCOMPARE(brush->points(), QVector<QPoint>({{20, 20}, {20, 20}, {25, 25}, {30, 30}}));

        // Eraser rectangles are finished at the release.
        drawing.setGraphicType(9);
        drawing.setRectangleMode(true);
        press(&host, QPoint(50, 50));
        auto *eraseRect = dynamic_cast<GraphicEraserRectangle *>(drawing.shapes().last());
        QVERIFY(eraseRect);
        QVERIFY(!eraseRect->finished());
        release(&host, QPoint(70, 70));
        QVERIFY(eraseRect->finished());
        QVERIFY(!eraseRect->picture());
    }

    void undoRedoClearOrders()
    {
        Host host;
        GraphicDrawing drawing(&host);
        drawing.setGraphicType(3);
        drag(&host, QPoint(10, 10), QPoint(20, 20));
        drag(&host, QPoint(30, 30), QPoint(40, 40));
        drag(&host, QPoint(50, 50), QPoint(60, 60));
        const QVector<GraphicBase *> abc = drawing.shapes();
        QCOMPARE(abc.size(), 3);
        drawing.clear();
        QVERIFY(drawing.shapes().isEmpty());
        drawing.undo(); // nothing left to undo
        QVERIFY(drawing.shapes().isEmpty());
        drawing.redo();
        drawing.redo();
        QCOMPARE(drawing.shapes(), QVector<GraphicBase *>({abc[0], abc[1]}));
        QCOMPARE(drawing.undoneShapes(), QVector<GraphicBase *>({abc[2]}));

        drawing.deleteAllShapes();
        QVERIFY(drawing.shapes().isEmpty() && drawing.undoneShapes().isEmpty());
        drag(&host, QPoint(10, 10), QPoint(20, 20));
        GraphicBase *a = drawing.shapes().first();
        drawing.undo();
        drag(&host, QPoint(30, 30), QPoint(40, 40));
        GraphicBase *b = drawing.shapes().first();
        drawing.redo();
        QCOMPARE(drawing.shapes(), QVector<GraphicBase *>({b, a}));
        drawing.redo(); // nothing left to redo
        QCOMPARE(drawing.shapes().size(), 2);
    }

    void calloutNumbers()
    {
        Host host;
        GraphicDrawing drawing(&host);
        QSignalSpy spy(&drawing, &GraphicDrawing::orderNumberChanged);
        drawing.setGraphicType(8);
        drawing.setPenSize(2);
        drawing.setFillColor(Qt::yellow);
        drawing.setFontColor(Qt::black);
        for (int i = 0; i < 3; ++i) {
            press(&host, QPoint(20 + 30 * i, 20));
            release(&host, QPoint(20 + 30 * i, 20));
        }
        QCOMPARE(spy.size(), 3);
        QCOMPARE(spy.at(0).at(0).toInt(), 2);
        QCOMPARE(spy.at(2).at(0).toInt(), 4);
        for (int i = 0; i < 3; ++i) {
            auto *callout = dynamic_cast<GraphicCallout *>(drawing.shapes().at(i));
            QVERIFY(callout);
            QCOMPARE(callout->number(), i + 1);
            QCOMPARE(callout->size(), 2);
            QCOMPARE(callout->fillColor(), QColor(Qt::yellow));
            QCOMPARE(callout->fontColor(), QColor(Qt::black));
        }
        // The last callout stays current: moves are taken but change nothing.
        QCOMPARE(drawing.currentShape(), drawing.shapes().last());
        move(&host, QPoint(150, 150));
        QVERIFY(host.received.isEmpty());

        drawing.undo();
        QCOMPARE(drawing.orderNumber(), 4); // an undo gives no number back
        drawing.setOrderNumber(10);
        press(&host, QPoint(100, 100));
        QCOMPARE(static_cast<GraphicCallout *>(drawing.shapes().last())->number(), 10);
        QCOMPARE(spy.last().at(0).toInt(), 11);

        drawing.setGraphicType(1);
        QVERIFY(!drawing.currentShape());
    }

    void textBoxCommitRules()
    {
        Host host;
        host.show();
        GraphicDrawing drawing(&host);
        drawing.setGraphicType(7);
        press(&host, QPoint(40, 50));
        MyPlainTextEdit *box = drawing.textBox();
        QVERIFY(box);
        QVERIFY(!box->isHidden());
        QCOMPARE(box->pos(), QPoint(40, 50));
        QCOMPARE(box->parentWidget(), &host);
        QVERIFY(drawing.shapes().isEmpty());

        // The box grows with its text and never shrinks while shown.
        const QSize small = box->size();
        box->setPlainText(QStringLiteral("a much longer line of text\nand a second\nand a third"));
        QVERIFY(box->width() > small.width());
        QVERIFY(box->height() > small.height());

        // A pen colour chosen while the box is open goes to the commit.
        drawing.setPenColor(Qt::green);
        press(&host, QPoint(150, 150)); // far from the box: commits all the same
        QVERIFY(box->isHidden());
        QCOMPARE(drawing.shapes().size(), 1);
        auto *text = dynamic_cast<GraphicText *>(drawing.shapes().first());
        QVERIFY(text);
        QCOMPARE(text->text(), QStringLiteral("a much longer line of text\nand a second\nand a third"));
        QCOMPARE(text->color(), QColor(Qt::green));
        QCOMPARE(text->fontSize(), 12);
        // The first line starts inside the box, near its top-left corner.
        QVERIFY(QRect(40, 50, 20, 20).contains(text->position()));

        // The next press opens an empty box; a tool change with it empty
        // only hides it.
        press(&host, QPoint(60, 60));
        QVERIFY(!box->isHidden());
        QVERIFY(box->toPlainText().isEmpty());
        drawing.setGraphicType(1);
        QVERIFY(box->isHidden());
        QCOMPARE(drawing.shapes().size(), 1);

        // A tool change with text commits it; so can the host, directly.
        drawing.setGraphicType(7);
        press(&host, QPoint(60, 60));
        box->setPlainText(QStringLiteral("x"));
        drawing.setGraphicType(0);
        QCOMPARE(drawing.shapes().size(), 2);
        drawing.setGraphicType(7);
        press(&host, QPoint(60, 60));
        box->setPlainText(QStringLiteral("y"));
        drawing.commitTextBox();
        QCOMPARE(drawing.shapes().size(), 3);
        QVERIFY(box->isHidden());

        // Purging drops an open box's text instead of keeping it for later.
        press(&host, QPoint(60, 60));
        box->setPlainText(QStringLiteral("z"));
        drawing.deleteAllShapes();
        QVERIFY(box->isHidden());
        drawing.setGraphicType(0);
        QVERIFY(drawing.shapes().isEmpty());
    }

    void pressesOutsideTheAreaPassOn()
    {
        Host host;
        GraphicDrawing drawing(&host);
        drawing.setGraphicType(1);
        // With no drawing area, the outermost pixel row and column are not
        // part of it.
        press(&host, QPoint(0, 50));
        press(&host, QPoint(50, 199));
        QCOMPARE(host.received.count(QEvent::MouseButtonPress), 2);
        QVERIFY(drawing.shapes().isEmpty());

        drawing.setDrawingArea(QRect(50, 50, 50, 50));
        press(&host, QPoint(20, 20));
        QCOMPARE(host.received.count(QEvent::MouseButtonPress), 3);
        QVERIFY(drawing.shapes().isEmpty());
        press(&host, QPoint(99, 99)); // the edge is inside
        QCOMPARE(drawing.shapes().size(), 1);
        QCOMPARE(host.received.count(QEvent::MouseButtonPress), 3);

        // Other buttons pass on too.
        send(&host, QEvent::MouseButtonPress, QPoint(60, 60), Qt::RightButton);
        QCOMPARE(host.received.count(QEvent::MouseButtonPress), 4);
    }

    void idleToolConsumesNothing()
    {
        Host host;
        GraphicDrawing drawing(&host);
        press(&host, QPoint(50, 50));
        move(&host, QPoint(60, 60));
        release(&host, QPoint(60, 60));
        QCOMPARE(host.received, QList<QEvent::Type>({QEvent::MouseButtonPress, QEvent::MouseMove,
                                                     QEvent::MouseButtonRelease}));
        QVERIFY(drawing.shapes().isEmpty());
    }

    void blurredBackground()
    {
        Host host;
        GraphicDrawing drawing(&host);
        drawing.setBlurRadius(6);
        QVERIFY(drawing.blurredBackground().isNull()); // no picture yet

        QImage picture(40, 40, QImage::Format_ARGB32);
        picture.fill(Qt::white);
        QPainter(&picture).fillRect(0, 0, 20, 40, Qt::black);
        drawing.setBackground(QPixmap::fromImage(picture));
        const QPixmap blurred = drawing.blurredBackground();
        QCOMPARE(blurred.size(), QSize(40, 40));
        const QRgb edge = blurred.toImage().pixel(20, 20);
        QVERIFY(qRed(edge) > 20 && qRed(edge) < 235); // the edge is softened

        const qint64 key = blurred.cacheKey();
        drawing.setBlurRadius(6);
        QCOMPARE(drawing.blurredBackground().cacheKey(), key);
        drawing.setBlurRadius(3);
        QVERIFY(drawing.blurredBackground().cacheKey() != key);

        // Blur strokes paint with the blurred picture, eraser strokes with
        // the picture itself.
        drawing.setGraphicType(10);
        press(&host, QPoint(10, 10));
        QVERIFY(static_cast<GraphicEraser *>(drawing.shapes().last())->picture() != nullptr);
        QCOMPARE(static_cast<GraphicEraser *>(drawing.shapes().last())->picture()->cacheKey(),
                 drawing.blurredBackground().cacheKey());
        release(&host, QPoint(10, 10));
        drawing.setGraphicType(9);
        press(&host, QPoint(10, 10));
        QCOMPARE(static_cast<GraphicEraser *>(drawing.shapes().last())->picture()->cacheKey(),
                 drawing.background().cacheKey());
    }

    void paintClipsToTheArea()
    {
        Host host;
        GraphicDrawing drawing(&host);
        drawing.setGraphicType(3);
        drawing.setPenSize(4);
        drawing.setPenColor(Qt::red);
        drawing.setDrawingArea(QRect(20, 0, 100, 200));
        drag(&host, QPoint(30, 100), QPoint(110, 100));
        drawing.setDrawingArea(QRect(50, 0, 100, 200));
        QImage image(200, 200, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        drawing.paint(&painter);
        painter.end();
        QCOMPARE(qAlpha(image.pixel(40, 100)), 0);
        QCOMPARE(image.pixel(80, 100), QColor(Qt::red).rgba());
        // Undone shapes are not painted.
        drawing.undo();
        image.fill(Qt::transparent);
        QPainter again(&image);
        drawing.paint(&again);
        again.end();
        QCOMPARE(qAlpha(image.pixel(80, 100)), 0);
    }

    void pressesAndReleasesAreLogged()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("myrun.log"));
        g_runLog = new LogFile(path);
        Host host;
        GraphicDrawing drawing(&host);
        drawing.setGraphicType(2);
        drag(&host, QPoint(12, 34), QPoint(56, 78));
        delete g_runLog;
        g_runLog = nullptr;
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith(QStringLiteral("[Info]GraphicDrawing start pos: (12, 34) <date time=")));
        QVERIFY(lines[1].startsWith(QStringLiteral("[Info]GraphicDrawing end pos: (56, 78) <date time=")));
    }

    void shapesDieWithTheController()
    {
        // Run under LeakSanitizer: every shape of both lists is freed.
        Host host;
        auto *drawing = new GraphicDrawing(&host);
        drawing->setGraphicType(6);
        drag(&host, QPoint(10, 10), QPoint(40, 40));
        drag(&host, QPoint(50, 50), QPoint(60, 60));
        drawing->undo();
        QCOMPARE(drawing->shapes().size(), 1);
        QCOMPARE(drawing->undoneShapes().size(), 1);
        delete drawing;
        // The host no longer feeds a deleted filter.
        press(&host, QPoint(30, 30));
        QCOMPARE(host.received.count(QEvent::MouseButtonPress), 1);
    }
};

QTEST_MAIN(TestGraphicDrawing)
#include "tst_graphicdrawing.moc"
