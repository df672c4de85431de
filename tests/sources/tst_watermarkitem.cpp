// Watermark items: the stored record byte for byte, geometry, placing into
// other bounds, handles and painting.
#include "core/imagelimit.h"
#include "testsupport.h"
#include "watermarkitemimage.h"
#include "watermarkitemtext.h"

#include <QDataStream>
#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString writeImage(const QTemporaryDir &dir, const QString &name, const QSize &size, const QColor &fill = Qt::blue)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(fill);
    const QString path = dir.filePath(name);
    image.save(path);
    return path;
}

QByteArray be32(quint32 v)
{
    QByteArray b;
    QDataStream s(&b, QIODevice::WriteOnly);
    s << v;
    return b;
}

QByteArray rectBytes(const QRect &r)
{
    return be32(quint32(r.left())) + be32(quint32(r.top())) + be32(quint32(r.right())) + be32(quint32(r.bottom()));
}

} // namespace

class TestWatermarkItem : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    const QRect m_canvas{0, 0, 480, 290};

private slots:
    void imageRecordBytes()
    {
        const QString path = writeImage(m_dir, QStringLiteral("a.png"), QSize(400, 200));
        WatermarkItemImage item(path, m_canvas);
        item.setTransparency(200);
        item.setKeepAspectRatio(true);
        const QByteArray bytes = item.toVariant().toByteArray();

        QByteArray expected = QByteArray::fromHex("00000001") + rectBytes(QRect(QPoint(150, 100), QPoint(329, 189)))
            + rectBytes(m_canvas) + QByteArray::fromHex("00c8") + QByteArray::fromHex("0001");
        QByteArray utf16;
        for (QChar c : path) {
            utf16.append(char(c.unicode() >> 8));
            utf16.append(char(c.unicode() & 0xff));
        }
        expected += be32(quint32(utf16.size())) + utf16;
        QCOMPARE(bytes.toHex(), expected.toHex());

        // A null path is stored as 0xFFFFFFFF.
        WatermarkItemImage none{QString(), m_canvas};
        QVERIFY(none.toVariant().toByteArray().endsWith(QByteArray::fromHex("ffffffff")));
    }

    void textRecordBytes()
    {
        WatermarkItemText item(QStringLiteral("Hi"), m_canvas);
        const QByteArray bytes = item.toVariant().toByteArray();
        QVERIFY(bytes.startsWith(QByteArray::fromHex("00000002") + rectBytes(item.rect()) + rectBytes(m_canvas)
                                 + QByteArray::fromHex("00ff")));
        QVERIFY(bytes.endsWith(QByteArray::fromHex("00000004" "00480069")));
    }

    void roundTrip()
    {
        const QString path = writeImage(m_dir, QStringLiteral("b.png"), QSize(100, 200));
        WatermarkItemImage image(path, m_canvas);
        image.setRect(QRect(10, 20, 60, 120));
        image.setTransparency(77);
        image.setKeepDesignedSize(true);
        image.setSelected(true);
        QScopedPointer<WatermarkItemImage> readImage(WatermarkItemImage::fromVariant(image.toVariant()));
        QCOMPARE(readImage->watermarkType(), int(WATERMARK_IMAGE));
        QCOMPARE(readImage->rect(), image.rect());
        QCOMPARE(readImage->boundsRect(), m_canvas);
        QCOMPARE(readImage->transparency(), qint16(77));
        QVERIFY(readImage->keepDesignedSize());
        QVERIFY(!readImage->keepAspectRatio());
        QCOMPARE(readImage->path(), path);
        QCOMPARE(readImage->aspectRatio(), 0.5);
        QVERIFY(!readImage->isEmpty());
        QVERIFY(!readImage->isSelected());

        WatermarkItemText text(QStringLiteral("Mirelo"), m_canvas);
        QFont font(QStringLiteral("Tahoma"), 22);
        font.setItalic(true);
        text.setFont(font);
        text.setColor(QColor(10, 20, 30));
        text.updateRect();
        text.setTransparency(128);
        text.setSelected(true);
        QImage scratch(10, 10, QImage::Format_ARGB32);
        QPainter painter(&scratch);
        text.paint(&painter); // the colour takes the transparency as its alpha
        QScopedPointer<WatermarkItemText> readText(WatermarkItemText::fromVariant(text.toVariant()));
        QCOMPARE(readText->text(), text.text());
        QCOMPARE(readText->font().family(), font.family());
        QCOMPARE(readText->font().pointSize(), 22);
        QVERIFY(readText->font().italic());
        QCOMPARE(readText->color(), QColor(10, 20, 30, 128));
        QCOMPARE(readText->rect(), text.rect());
        QCOMPARE(readText->transparency(), qint16(128));
        QVERIFY(!readText->isSelected());
    }

    void unreadableRecordsGiveEmptyItems_data()
    {
        QTest::addColumn<int>("cut");
        QTest::newRow("empty") << 0;
        QTest::newRow("kind only") << 4;
        QTest::newRow("cut in the string") << -3;
    }
    void unreadableRecordsGiveEmptyItems()
    {
        QFETCH(int, cut);
        const QString path = writeImage(m_dir, QStringLiteral("c.png"), QSize(50, 50));
        const QByteArray image = WatermarkItemImage(path, m_canvas).toVariant().toByteArray();
        const QByteArray text = WatermarkItemText(QStringLiteral("abc"), m_canvas).toVariant().toByteArray();
        const QByteArray shortImage = cut >= 0 ? image.left(cut) : image.left(image.size() + cut);
        const QByteArray shortText = cut >= 0 ? text.left(cut) : text.left(text.size() + cut);
        QScopedPointer<WatermarkItemImage> i(WatermarkItemImage::fromVariant(shortImage));
        QScopedPointer<WatermarkItemText> t(WatermarkItemText::fromVariant(shortText));
        QVERIFY(i->isEmpty());
        QVERIFY(!i->rect().isValid());
        QVERIFY(t->isEmpty());
        QVERIFY(!t->rect().isValid());
    }

    void corruptAndWrongKindRecords()
    {
        const QString path = writeImage(m_dir, QStringLiteral("d.png"), QSize(50, 50));
        const QVariant image = WatermarkItemImage(path, m_canvas).toVariant();
        const QVariant text = WatermarkItemText(QStringLiteral("abc"), m_canvas).toVariant();
        QScopedPointer<WatermarkItemImage> i(WatermarkItemImage::fromVariant(text));
        QScopedPointer<WatermarkItemText> t(WatermarkItemText::fromVariant(image));
        QVERIFY(i->isEmpty());
        QVERIFY(t->isEmpty());
        QVERIFY(t->text().isEmpty());

        QByteArray garbage = image.toByteArray();
        garbage.replace(garbage.size() - path.size() * 2 - 4, 4, QByteArray::fromHex("7ffffff0"));
        QScopedPointer<WatermarkItemImage> g(WatermarkItemImage::fromVariant(garbage));
        QVERIFY(g->isEmpty());
        QVERIFY(g->path().isEmpty());

        // A record naming a file that is gone reads as empty but keeps its path.
        QScopedPointer<WatermarkItemImage> gone(WatermarkItemImage::fromVariant(
            WatermarkItemImage(m_dir.filePath(QStringLiteral("missing.png")), m_canvas).toVariant()));
        QVERIFY(gone->isEmpty());
        QCOMPARE(gone->path(), m_dir.filePath(QStringLiteral("missing.png")));
    }

    void defaultImageRectangle()
    {
        WatermarkItemImage landscape(writeImage(m_dir, QStringLiteral("l.png"), QSize(400, 200)), m_canvas);
        QCOMPARE(landscape.rect(), QRect(QPoint(150, 100), QPoint(329, 189)));
        WatermarkItemImage portrait(writeImage(m_dir, QStringLiteral("p.png"), QSize(100, 200)), m_canvas);
        QCOMPARE(portrait.rect(), QRect(QPoint(195, 55), QPoint(284, 234)));
    }

    void unreadableFileKeepsThePicture()
    {
        const QString good = writeImage(m_dir, QStringLiteral("g.png"), QSize(100, 100));
        QFile bad(m_dir.filePath(QStringLiteral("bad.png")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a picture");
        bad.close();
        WatermarkItemImage item(good, m_canvas);
        QVERIFY(!item.setPath(bad.fileName()));
        QCOMPARE(item.path(), good);
        QVERIFY(!item.isEmpty());
        QVERIFY(!item.pixmap().isNull());

        // Nor is a picture decoded that is far larger than any screen (a
        // small file may declare one that takes gigabytes).
        QFile huge(m_dir.filePath(QStringLiteral("huge.png")));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        huge.write(testsupport::blackPng(9000, 9000));
        huge.close();
        QVERIFY(QImageReader(huge.fileName()).size() == QSize(9000, 9000));
        QVERIFY(!item.setPath(huge.fileName()));
        QCOMPARE(item.path(), good);
        QCOMPARE(item.image().size(), QSize(100, 100));

        // Nor one inside an icon file, whose directory says 256 x 256
        // whatever its pictures are: as a PNG, as a bitmap, or the second.
        using testsupport::iconFile;
        const QByteArray small = testsupport::blackPng(32, 32), large = testsupport::blackPng(9000, 9000);
        const QList<QByteArray> icons = {iconFile({large}), iconFile({testsupport::iconBitmapHeader(9000, 9000)}),
                                         iconFile({small, large}), iconFile({large}, true)};
        for (const QByteArray &bytes : icons) {
            QFile icon(m_dir.filePath(QStringLiteral("huge.ico")));
            QVERIFY(icon.open(QIODevice::WriteOnly | QIODevice::Truncate));
            icon.write(bytes);
            icon.close();
            QCOMPARE(QImageReader(icon.fileName()).size(), QSize(256, 256));
            QVERIFY(!item.setPath(icon.fileName()));
            QCOMPARE(item.path(), good);
        }
        // An icon whose pictures fit is taken.
        QFile fits(m_dir.filePath(QStringLiteral("fits.ico")));
        QVERIFY(fits.open(QIODevice::WriteOnly));
        fits.write(iconFile({small, testsupport::blackPng(48, 48)}));
        fits.close();
        QVERIFY(item.setPath(fits.fileName()));
        QCOMPARE(item.image().size(), QSize(32, 32));
    }

    // A GIF or a drawing is measured by what its decoder makes of it, not by
    // the size the reader reports, and is known by what it holds whatever
    // its name says.
    void gifsAndDrawingsAreMeasuredByWhatTheyDecode()
    {
        using testsupport::gifFile;
        using testsupport::gzipped;
        const QString good = writeImage(m_dir, QStringLiteral("kept.png"), QSize(100, 100));
        WatermarkItemImage item(good, m_canvas);
        auto write = [this](const QString &name, const QByteArray &bytes) {
            QFile file(m_dir.filePath(name));
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
                return QString();
            return file.fileName();
        };
        auto drawing = [](const QByteArray &body, const QByteArray &prolog = QByteArray()) {
            return prolog + "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\""
                            " width=\"40\" height=\"30\">"
                   + body + "</svg>";
        };

        // Some tens of bytes whose screen is 16000 x 16000 around a frame of
        // one pixel: the reader says 1 x 1, the decoder takes a gigabyte.
        const QByteArray screen = gifFile(QSize(16000, 16000), {QRect(0, 0, 1, 1)});
        const QString screenPng = write(QStringLiteral("screen.png"), screen);
        QCOMPARE(QImageReader(screenPng).size(), QSize(1, 1));
        QString why;
        QVERIFY(!item.setPath(screenPng, &why));
        QVERIFY2(why.contains(QLatin1String("16000")), qPrintable(why));
        QCOMPARE(item.path(), good);

        const QByteArray manyElements = QByteArray("<g/>").repeated(int(ImageLimit::kMaxDrawingElements) + 1);
        // Longer than a piece of what is read at a time.
        const QByteArray longComment = "<!--" + QByteArray(200 * 1024, 'c') + "-->";
        const QList<QPair<const char *, QByteArray>> refused = {
            {"a huge frame in a small screen", gifFile(QSize(16, 16), {QRect(0, 0, 16000, 16000)})},
            {"cut inside its screen", screen.left(10)},
            {"cut after its first frame's descriptor", screen.left(13 + 6 + 10)},
            {"a packed drawing past the text limit",
             gzipped(drawing(QByteArray(int(ImageLimit::kMaxDrawingBytes), ' ')))},
            {"a packed drawing in two members",
             gzipped(drawing(QByteArray())) + gzipped(QByteArray(int(ImageLimit::kMaxDrawingBytes), ' '))},
            {"too many elements", gzipped(drawing(manyElements))},
            {"entities that multiply elements",
             drawing(QByteArray("&e;").repeated(100),
                     "<!DOCTYPE svg [<!ENTITY e \"" + QByteArray("<g/>").repeated(1000) + "\">]>")},
            {"a picture after a long comment", drawing(longComment + "<image width=\"4\" height=\"3\"/>")},
            {"a picture inside a drawing", drawing("<image width=\"4\" height=\"3\" xlink:href=\"" + screenPng.toUtf8()
                                                   + "\"/>")},
            {"a style sheet the parser would read", drawing(QByteArray(), "<?xml-stylesheet type=\"text/css\" href=\""
                                                                             + good.toUtf8() + "\"?>")},
        };
        for (const auto &file : refused) {
            why.clear();
            QVERIFY2(!item.setPath(write(QStringLiteral("refused.png"), file.second), &why), file.first);
            QVERIFY2(!why.isEmpty(), file.first);
            QCOMPARE(item.path(), good);
        }

        // Small ones are taken: an animated GIF, a packed drawing (under any
        // name), a plain one.
        QVERIFY(item.setPath(write(QStringLiteral("small.gif"),
                                   gifFile(QSize(20, 10), {QRect(0, 0, 20, 10), QRect(5, 5, 1, 1)}, true))));
        QCOMPARE(item.image().size(), QSize(20, 10));
        QVERIFY(item.setPath(write(QStringLiteral("small.png"), gzipped(drawing("<rect width=\"5\" height=\"5\"/>")))));
        QCOMPARE(item.image().size(), QSize(40, 30));
        QVERIFY(item.setPath(write(QStringLiteral("plain.svg"), drawing("<g><rect width=\"5\" height=\"5\"/></g>"))));
        QCOMPARE(item.image().size(), QSize(40, 30));
        QVERIFY(item.setPath(write(QStringLiteral("comment.svg"), drawing(longComment + "<rect width=\"5\" height=\"5\"/>"))));
        QCOMPARE(item.image().size(), QSize(40, 30));
    }

    void fitToBoundsImage()
    {
        const QRect capture(0, 0, 1920, 1080);
        const QString path = writeImage(m_dir, QStringLiteral("f.png"), QSize(400, 200));

        // Filling the whole width: no free space, so it lands on the left edge.
        WatermarkItemImage wide(path, m_canvas);
        wide.setRect(QRect(0, 50, 480, 100));
        wide.fitToBounds(QRect(0, 0, 960, 290));
        QCOMPARE(wide.rect().left(), 0);

        WatermarkItemImage scaled(path, m_canvas);
        scaled.fitToBounds(capture);
        QCOMPARE(scaled.rect().width(), 720);
        QCOMPARE(scaled.rect().height(), qRound(90 * 1080.0 / 290));
        QCOMPARE(scaled.boundsRect(), capture);

        WatermarkItemImage designed(path, m_canvas);
        designed.setKeepDesignedSize(true);
        designed.fitToBounds(capture);
        QCOMPARE(designed.rect().size(), QSize(180, 90));
        // Same relative place: (150 / 300, 100 / 200) of the free space.
        QCOMPARE(designed.rect().topLeft(), QPoint((1920 - 180) / 2, (1080 - 90) / 2));

        // Old bounds without area never divide by zero.
        QScopedPointer<WatermarkItemImage> noBounds(new WatermarkItemImage(path, QRect()));
        noBounds->setRect(QRect(10, 10, 100, 50));
        noBounds->fitToBounds(capture);
        QVERIFY(capture.contains(noBounds->rect()));
        QCOMPARE(noBounds->rect().size(), QSize(100, 50));
    }

    void fitToBoundsStaysInside()
    {
        const QString path = writeImage(m_dir, QStringLiteral("i.png"), QSize(300, 100));
        const QList<QRect> targets{{0, 0, 1920, 1080}, {0, 0, 200, 100}, {100, 50, 640, 480}};
        const QList<QRect> rects{{0, 0, 480, 290}, {400, 250, 80, 40}, {-20, -20, 60, 60}, {470, 280, 30, 30}};
        for (const QRect &target : targets) {
            for (const QRect &r : rects) {
                for (bool keep : {false, true}) {
                    WatermarkItemImage image(path, m_canvas);
                    image.setKeepAspectRatio(keep);
                    image.setRect(r);
                    image.fitToBounds(target);
                    QVERIFY2(target.contains(image.rect()), qPrintable(QStringLiteral("%1 %2").arg(target.width()).arg(r.x())));
                    WatermarkItemText text(QStringLiteral("W"), m_canvas);
                    text.setRect(r);
                    text.fitToBounds(target);
                    QVERIFY(target.contains(text.rect()));
                }
            }
        }
    }

    void textNeverScales()
    {
        WatermarkItemText text(QStringLiteral("Mirelo"), m_canvas);
        const QSize size = text.rect().size();
        text.fitToBounds(QRect(0, 0, 1920, 1080));
        QCOMPARE(text.rect().size(), size);
    }

    void textRectangleFromMetrics()
    {
        WatermarkItemText text(QStringLiteral("Watermark"), m_canvas);
        const QFontMetrics metrics(WatermarkItemText::defaultFont());
        const int w = metrics.boundingRect(QStringLiteral("Watermark")).width();
        QCOMPARE(text.rect().size(), QSize(w, metrics.height()));
        QCOMPARE(text.rect().topLeft(), QPoint((480 - w) / 2, (290 - metrics.height()) / 2));

        // Another font keeps the relative place and stays inside.
        text.setRect(text.rect().translated(200, 0));
        QFont big(QStringLiteral("Arial"), 40, 75);
        text.setFont(big);
        text.updateRect();
        QVERIFY(m_canvas.contains(text.rect()));
        QCOMPARE(text.rect().height(), QFontMetrics(big).height());

        // Empty, then text again: centred anew.
        text.setText(QString());
        text.setRect(QRect());
        text.setText(QStringLiteral("X"));
        text.updateRect();
        const int wx = QFontMetrics(big).boundingRect(QStringLiteral("X")).width();
        QCOMPARE(text.rect().left(), (480 - wx) / 2);
    }

    void handlesAndHitTest()
    {
        WatermarkItemText item(QString(), m_canvas);
        item.setRect(QRect(QPoint(100, 50), QPoint(199, 99)));
        const QMap<int, QRect> &h = item.handles();
        QCOMPARE(h.size(), 8);
        QCOMPARE(h[HTTOPLEFT], QRect(100, 50, 6, 6));
        QCOMPARE(h[HTTOP], QRect(100 + 47, 50, 6, 6));
        QCOMPARE(h[HTBOTTOMRIGHT], QRect(194, 94, 6, 6));
        QCOMPARE(h[HTRIGHT], QRect(194, 50 + 22, 6, 6));
        QCOMPARE(item.hitTest(QPoint(199, 99)), int(HTBOTTOMRIGHT));
        QCOMPARE(item.hitTest(QPoint(150, 75)), int(HTCLIENT));
        QCOMPARE(item.hitTest(QPoint(200, 75)), int(HTNOWHERE));

        // On a tiny rectangle the squares overlap: the lowest key wins.
        item.setRect(QRect(0, 0, 8, 8));
        QCOMPARE(item.hitTest(QPoint(4, 4)), int(HTLEFT));
        QCOMPARE(item.hitTest(QPoint(7, 1)), int(HTRIGHT));
    }

    void transparencyHalvesAlpha()
    {
        WatermarkItemImage item(writeImage(m_dir, QStringLiteral("t.png"), QSize(4, 4), QColor(255, 0, 0)), m_canvas);
        QCOMPARE(item.pixmap().toImage().pixelColor(1, 1).alpha(), 255);
        item.setTransparency(128);
        QVERIFY(qAbs(item.pixmap().toImage().pixelColor(1, 1).alpha() - 128) <= 1);
        QVERIFY(!item.image().isNull());
        QCOMPARE(item.image().pixelColor(1, 1).alpha(), 255);
    }

    void cloneIsDeep()
    {
        const QString path = writeImage(m_dir, QStringLiteral("k.png"), QSize(200, 100));
        WatermarkItemImage image(path, m_canvas);
        image.setKeepAspectRatio(true);
        image.setTransparency(40);
        image.setSelected(true);
        QScopedPointer<WatermarkItem> copy(image.clone());
        auto *c = static_cast<WatermarkItemImage *>(copy.data());
        QCOMPARE(c->rect(), image.rect());
        QCOMPARE(c->path(), path);
        QVERIFY(c->keepAspectRatio());
        QVERIFY(c->isSelected());
        QCOMPARE(c->transparency(), qint16(40));
        QVERIFY(!c->pixmap().isNull());
    }
};

QTEST_MAIN(TestWatermarkItem)
#include "tst_watermarkitem.moc"
