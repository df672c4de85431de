// The watermark canvas driven by mouse and keys: limits of resizing and
// moving, the aspect ratio, Delete, cursors, the hidden kind, the prompt.
#include "watermarkeditor.h"
#include "watermarkitemimage.h"
#include "watermarkitemtext.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestWatermarkEditor : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_landscape; // 400 x 200: 180 x 90 at (150, 100) on the canvas

    static void send(QWidget *w, QEvent::Type type, const QPoint &pos, Qt::MouseButtons buttons)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &event);
    }
    // Hover onto `from`, press, move in steps of `step` to `to`, release.
    static void drag(QWidget *w, QPoint from, const QPoint &to, int step = 1)
    {
        send(w, QEvent::MouseMove, from, Qt::NoButton);
        send(w, QEvent::MouseButtonPress, from, Qt::LeftButton);
        while (from != to) {
            const QPoint d = to - from;
            from += QPoint(qBound(-step, d.x(), step), qBound(-step, d.y(), step));
            send(w, QEvent::MouseMove, from, Qt::LeftButton);
        }
        send(w, QEvent::MouseButtonRelease, to, Qt::NoButton);
    }

    struct Canvas {
        WatermarkEditor editor;
        Canvas() { editor.resize(480, 290); }
    };

private slots:
    void initTestCase()
    {
        QImage image(400, 200, QImage::Format_ARGB32);
        image.fill(Qt::darkGreen);
        m_landscape = m_dir.filePath(QStringLiteral("landscape.png"));
        QVERIFY(image.save(m_landscape));
    }

    void inwardDragsStopAtMinimum()
    {
        Canvas c;
        QVERIFY(c.editor.setImageFile(m_landscape));
        WatermarkItem *item = c.editor.currentItem();
        QCOMPARE(item->rect(), QRect(QPoint(150, 100), QPoint(329, 189)));
        drag(&c.editor, QPoint(329, 189), QPoint(100, 50));
        QCOMPARE(item->rect().size(), QSize(20, 20));
        QCOMPARE(item->rect().topLeft(), QPoint(150, 100));

        // One step that would leave less than 20 px is dropped.
        c.editor.setItemRect(QRect(150, 100, 25, 25));
        c.editor.adjustItem(0, 0, -10, 0);
        QCOMPARE(item->rect().width(), 25);
    }

    void movesAgainstAnEdgeAreDroppedWhole()
    {
        Canvas c;
        c.editor.setImageFile(m_landscape);
        WatermarkItem *item = c.editor.currentItem();
        c.editor.setItemRect(QRect(5, 100, 180, 90));
        const QSize size = item->rect().size();
        // A big diagonal step: the horizontal part would cross, the vertical not.
        drag(&c.editor, QPoint(50, 150), QPoint(40, 160), 20);
        QCOMPARE(item->rect(), QRect(5, 110, 180, 90));
        drag(&c.editor, QPoint(50, 150), QPoint(0, 150));
        QCOMPARE(item->rect().left(), 0);
        QCOMPARE(item->rect().size(), size);
        QTest::keyClick(&c.editor, Qt::Key_Left);
        QCOMPARE(item->rect().left(), 0);
        QCOMPARE(item->rect().size(), size);

        // A short text narrower than the minimum still moves without growing.
        c.editor.setWatermarkType(WATERMARK_TEXT);
        c.editor.setText(QStringLiteral("i"));
        WatermarkItem *text = c.editor.currentItem();
        const QRect before = text->rect();
        QVERIFY(before.width() < WatermarkEditor::MinimumSize);
        QTest::keyClick(&c.editor, Qt::Key_Right);
        QCOMPARE(text->rect(), before.translated(1, 0));
    }

    void ctrlLeftNarrowsText()
    {
        Canvas c;
        c.editor.setWatermarkType(WATERMARK_TEXT);
        c.editor.setText(QStringLiteral("A long watermark"));
        WatermarkItem *item = c.editor.currentItem();
        const QRect start = item->rect();
        QTest::keyClick(&c.editor, Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(item->rect(), start.adjusted(0, 0, -1, 0));
        for (int i = 0; i < 400; ++i)
            QTest::keyClick(&c.editor, Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(item->rect().width(), 20);
        QCOMPARE(item->rect().left(), start.left());
        // Ctrl+Shift counts as plain: a move.
        QTest::keyClick(&c.editor, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(item->rect().left(), start.left() - 1);
        QCOMPARE(item->rect().width(), 20);
        // The next text brings the text's own size back.
        c.editor.setText(QStringLiteral("A long watermark!"));
        QVERIFY(item->rect().width() > start.width());
    }

    void keepAspectRatio()
    {
        Canvas c;
        c.editor.setImageFile(m_landscape);
        auto *item = static_cast<WatermarkItemImage *>(c.editor.currentItem());
        c.editor.setItemRect(QRect(100, 50, 100, 100)); // off the 2:1 ratio
        c.editor.setKeepAspectRatio(true);
        QCOMPARE(item->rect(), QRect(100, 50, 100, 50)); // snapped

        const QRect r = item->rect();
        drag(&c.editor, QPoint(r.center().x(), r.bottom()), QPoint(r.center().x(), r.bottom() + 10));
        QCOMPARE(item->rect().height(), 60);
        QCOMPARE(item->rect().width(), 120);
        const QRect r2 = item->rect();
        drag(&c.editor, QPoint(r2.right(), r2.center().y()), QPoint(r2.right() + 40, r2.center().y()), 40);
        QCOMPARE(item->rect().width(), 160);
        QCOMPARE(item->rect().height(), 80);
    }

    void deleteRemovesTheCurrentItem()
    {
        Canvas c;
        c.editor.setImageFile(m_landscape);
        QSignalSpy spy(&c.editor, &WatermarkEditor::currentItemChanged);
        QTest::keyClick(&c.editor, Qt::Key_Delete);
        QCOMPARE(c.editor.itemCount(WATERMARK_IMAGE), 0);
        QVERIFY(!c.editor.currentItem());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(*static_cast<WatermarkItem *const *>(spy.at(0).at(0).constData()), nullptr);
    }

    void cursorPerZone()
    {
        Canvas c;
        c.editor.setImageFile(m_landscape); // (150,100)-(329,189)
        const QList<QPair<QPoint, Qt::CursorShape>> cases{
            {{200, 150}, Qt::SizeAllCursor},   {{150, 143}, Qt::SizeHorCursor},
            {{329, 143}, Qt::SizeHorCursor},   {{238, 100}, Qt::SizeVerCursor},
            {{238, 189}, Qt::SizeVerCursor},   {{151, 101}, Qt::SizeFDiagCursor},
            {{328, 188}, Qt::SizeFDiagCursor}, {{328, 101}, Qt::SizeBDiagCursor},
            {{151, 188}, Qt::SizeBDiagCursor}, {{10, 10}, Qt::ArrowCursor},
        };
        for (const auto &k : cases) {
            send(&c.editor, QEvent::MouseMove, k.first, Qt::NoButton);
            QCOMPARE(c.editor.cursor().shape(), k.second);
        }
        // Nothing to act on: the cursor stays.
        send(&c.editor, QEvent::MouseMove, QPoint(200, 150), Qt::NoButton);
        c.editor.setCurrentItem(nullptr);
        send(&c.editor, QEvent::MouseMove, QPoint(10, 10), Qt::NoButton);
        QCOMPARE(c.editor.cursor().shape(), Qt::SizeAllCursor);
    }

    void hiddenKindNeverDrivesADrag()
    {
        Canvas c;
        c.editor.setWatermarkType(WATERMARK_TEXT);
        c.editor.setText(QStringLiteral("Text far away"));
        WatermarkItem *text = c.editor.currentItem();
        c.editor.setItemRect(QRect(QPoint(10, 10), text->rect().size()));
        c.editor.setWatermarkType(WATERMARK_IMAGE);
        c.editor.setImageFile(m_landscape);
        WatermarkItem *image = c.editor.currentItem();
        const QRect before = image->rect();
        drag(&c.editor, text->rect().center(), text->rect().center() + QPoint(30, 30));
        QCOMPARE(image->rect(), before);
        QCOMPARE(c.editor.cursor().shape(), Qt::ArrowCursor);
    }

    void promptBand()
    {
        Canvas c;
        auto redPixels = [&c] {
            const QImage shot = c.editor.grab().toImage();
            int red = 0;
            for (int y = 290 / 5; y < 290 / 5 + 40; ++y) {
                for (int x = 0; x < 480; ++x) {
                    const QColor p = shot.pixelColor(x, y);
                    red += (p.red() > 200 && p.green() < 60 && p.blue() < 60) ? 1 : 0;
                }
            }
            return red;
        };
        c.editor.setPromptShown(true);
        QVERIFY(redPixels() > 50);
        c.editor.hidePrompt();
        QCOMPARE(redPixels(), 0);
    }

    void setImageFileRefusesUnreadableFiles()
    {
        Canvas c;
        QVERIFY(!c.editor.setImageFile(m_dir.filePath(QStringLiteral("nothing.png"))));
        QCOMPARE(c.editor.itemCount(WATERMARK_IMAGE), 0);
        QVERIFY(c.editor.setImageFile(m_landscape));
        QVERIFY(!c.editor.setImageFile(m_dir.filePath(QStringLiteral("nothing.png"))));
        QCOMPARE(c.editor.itemCount(WATERMARK_IMAGE), 1);
        QCOMPARE(static_cast<WatermarkItemImage *>(c.editor.item(WATERMARK_IMAGE, 0))->path(), m_landscape);
    }
};

QTEST_MAIN(TestWatermarkEditor)
#include "tst_watermarkeditor.moc"
