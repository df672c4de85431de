// What the control bar does with a stored watermark: read the item, place it
// into the capture area at the origin and fill the engine's block from it.
#include "enginerecords.h"
#include "watermarkitemimage.h"
#include "watermarkitemtext.h"

#include <QTemporaryDir>
#include <QtTest>

class TestWatermarkContract : public QObject
{
    Q_OBJECT
private:
    const QRect m_canvas{0, 0, 480, 290};
    const QRect m_capture{0, 0, 1920, 1080};

private slots:
    void storedTextItem()
    {
        WatermarkItemText stored(QStringLiteral("Mirelo"), m_canvas);
        stored.setColor(QColor(0x12, 0x34, 0x56));
        stored.setTransparency(200);
        stored.setRect(stored.rect().translated(150, 100)); // near the bottom-right corner

        QScopedPointer<WatermarkItemText> item(WatermarkItemText::fromVariant(stored.toVariant()));
        QVERIFY(!item->isEmpty());
        item->fitToBounds(m_capture);
        WatermarkSettings s;
        s.kind = item->watermarkType();
        s.rect = item->rect();
        s.font = item->font();
        s.color = item->color();
        s.text = item->text();
        s.alpha = item->transparency();
        WatermarkParamsBlock block;
        block.fill(s);
        const WatermarkParams *p = block.params();
        QCOMPARE(p->kind, int(MIRELO_WATERMARK_TEXT));
        QVERIFY(p->left >= 0 && p->top >= 0);
        QVERIFY(p->right <= 1920 && p->bottom <= 1080);
        QVERIFY(p->left < p->right && p->top < p->bottom);
        QCOMPARE(p->textColor, 0x563412);
        QCOMPARE(p->fontPointSize, 16);
        QCOMPARE(p->bold, 1);
        QCOMPARE(QString::fromUtf16(p->text), QStringLiteral("Mirelo"));
        QCOMPARE(p->transparency, float(255 - 200) / 255.0f);
    }

    void storedImageItem()
    {
        QTemporaryDir dir;
        QImage picture(400, 200, QImage::Format_ARGB32);
        picture.fill(Qt::green);
        const QString path = dir.filePath(QStringLiteral("logo.png"));
        QVERIFY(picture.save(path));
        WatermarkItemImage stored(path, m_canvas);
        stored.setRect(QRect(QPoint(300, 200), QPoint(479, 289))); // on the corner
        stored.setTransparency(255);

        QScopedPointer<WatermarkItemImage> item(WatermarkItemImage::fromVariant(stored.toVariant()));
        QVERIFY(!item->isEmpty());
        item->fitToBounds(m_capture);
        WatermarkSettings s;
        s.kind = item->watermarkType();
        s.rect = item->rect();
        s.imagePath = item->path();
        s.alpha = item->transparency();
        WatermarkParamsBlock block;
        block.fill(s);
        const WatermarkParams *p = block.params();
        QCOMPARE(p->kind, int(MIRELO_WATERMARK_IMAGE));
        QVERIFY(p->left >= 0 && p->top >= 0);
        QCOMPARE(p->right, 1920);
        QCOMPARE(p->bottom, 1080);
        QCOMPARE(QString::fromUtf16(p->imagePath), path);
        QCOMPARE(p->transparency, 0.0f);
    }
};

QTEST_MAIN(TestWatermarkContract)
#include "tst_watermarkcontract.moc"
