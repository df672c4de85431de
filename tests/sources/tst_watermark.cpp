// The watermark page offscreen: kind choice, OK and its stored values,
// Cancel/Close/Escape leaving the store alone, the preview, the hide that
// refreshes the main window's state, and the load mends.
#include "commondialog.h"
#include "controller.h"
#include "core/enviroment.h"
#include "ui_watermark.h"
#include "watermark.h"
#include "watermarkeditor.h"
#include "watermarkitemimage.h"
#include "watermarkitemtext.h"
#include "watermarkpickers.h"

#include <QFontMetrics>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

class FakePickers : public WatermarkPickers
{
public:
    QString file;
    QColor color;
    bool pickFont(QWidget *, const QFont &, QFont *) override { return false; }
    QColor pickColor(QWidget *, const QColor &, const QString &) override { return color; }
    QString pickImageFile(QWidget *, const QString &, const QString &) override { return file; }
};

QByteArray settingsBytes()
{
    g_enviroment->settings->sync();
    QFile f(g_enviroment->settings->fileName());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestWatermark : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_picture;
    FakePickers m_pickers;

    QPointer<Watermark> openPage()
    {
        QPointer<Watermark> page = new Watermark;
        page->show();
        return page;
    }
    static WatermarkItem *shown(Watermark *page, int kind) { return page->editor()->item(kind, 0); }
    void storeNothing()
    {
        DataGroupPrivate *p = g_enviroment->privateData;
        p->WatermarkType = 0;
        p->ImageWatermark = QVariant();
        p->TextWatermark = QVariant();
        g_enviroment->savePrivate();
    }

private slots:
    void initTestCase()
    {
        g_enviroment = new Enviroment;
        WatermarkPickers::setInstance(&m_pickers);
        QImage image(200, 100, QImage::Format_ARGB32);
        image.fill(Qt::yellow);
        m_picture = m_dir.filePath(QStringLiteral("logo.png"));
        QVERIFY(image.save(m_picture));
    }
    void cleanupTestCase()
    {
        WatermarkPickers::setInstance(nullptr);
        delete g_enviroment;
        g_enviroment = nullptr;
    }
    void init() { storeNothing(); }

    void freshStoreAndTheTextKind()
    {
        QPointer<Watermark> page = openPage();
        Ui::WatermarkClass *ui = page->form();
        QVERIFY(ui->rdoNoWatermark->isChecked());
        QVERIFY(ui->wdtClient->isHidden());
        QVERIFY(ui->btnOK->isEnabled());

        ui->rdoTextWatermark->click();
        QVERIFY(!ui->wdtClient->isHidden());
        QVERIFY(!ui->btnOK->isEnabled());
        QVERIFY(ui->chxKeepAspectRatio->isHidden());
        QTest::keyClicks(ui->edtText, QStringLiteral("M"));
        QVERIFY(ui->btnOK->isEnabled());

        auto *text = static_cast<WatermarkItemText *>(shown(page, WATERMARK_TEXT));
        QVERIFY(text);
        QCOMPARE(text->font().family(), QStringLiteral("Arial"));
        QCOMPARE(text->font().pointSize(), 16);
        QVERIFY(text->font().bold());
        QCOMPARE(text->color(), QColor(Qt::red));
        const QFontMetrics metrics(text->font());
        const QSize canvas = page->editor()->size();
        const int w = metrics.boundingRect(QStringLiteral("M")).width();
        QCOMPARE(text->rect().topLeft(), QPoint((canvas.width() - w) / 2, (canvas.height() - metrics.height()) / 2));
        QCOMPARE(ui->edtWidth->value(), w);

        ui->rdoImageWatermark->click();
        QVERIFY(!ui->chxKeepAspectRatio->isHidden());
        QVERIFY(!ui->chxKeepDesignedSize->isHidden());
        QVERIFY(!ui->btnOK->isEnabled());
        page->reject();
    }

    void okStoresKindAndBothItems()
    {
        QPointer<Watermark> page = openPage();
        Ui::WatermarkClass *ui = page->form();
        ui->rdoImageWatermark->click();
        m_pickers.file = m_picture;
        ui->btnSelectImage->click();
        QVERIFY(shown(page, WATERMARK_IMAGE));
        ui->rdoTextWatermark->click();
        QTest::keyClicks(ui->edtText, QStringLiteral("Mirelo"));
        ui->rdoNoWatermark->click();
        ui->btnOK->click();
        QTRY_VERIFY(page.isNull());

        const DataGroupPrivate *p = g_enviroment->privateData;
        QCOMPARE(p->WatermarkType, 0u);
        QScopedPointer<WatermarkItemImage> image(WatermarkItemImage::fromVariant(p->ImageWatermark));
        QScopedPointer<WatermarkItemText> text(WatermarkItemText::fromVariant(p->TextWatermark));
        QCOMPARE(image->path(), m_picture);
        QCOMPARE(text->text(), QStringLiteral("Mirelo"));
        QSettings file(g_enviroment->settings->fileName(), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("Private/WatermarkType")).toUInt(), 0u);
        QVERIFY(file.value(QStringLiteral("Private/TextWatermark")).toByteArray().startsWith(QByteArray::fromHex("00000002")));

        // Opening again shows them as stored; the image kind brings its item back.
        page = openPage();
        QVERIFY(page->form()->rdoNoWatermark->isChecked());
        page->form()->rdoImageWatermark->click();
        QCOMPARE(page->editor()->currentItem(), shown(page, WATERMARK_IMAGE));
        QVERIFY(page->form()->btnOK->isEnabled());
        page->reject();
    }

    void cancelCloseAndEscapeStoreNothing()
    {
        // Something stored first, so the file holds a record to keep.
        g_enviroment->privateData->WatermarkType = 2;
        g_enviroment->privateData->TextWatermark = WatermarkItemText(QStringLiteral("kept"), QRect(0, 0, 480, 290)).toVariant();
        g_enviroment->savePrivate();
        const QByteArray before = settingsBytes();
        QVERIFY(!before.isEmpty());

        for (int way = 0; way < 3; ++way) {
            QPointer<Watermark> page = openPage();
            QCOMPARE(static_cast<WatermarkItemText *>(shown(page, WATERMARK_TEXT))->text(), QStringLiteral("kept"));
            page->form()->edtText->setText(QStringLiteral("changed"));
            page->form()->sldTransparency->setValue(40);
            if (way == 0)
                page->form()->btnCancel->click();
            else if (way == 1)
                page->form()->btnClose->click();
            else
                QTest::keyClick(page, Qt::Key_Escape);
            QTRY_VERIFY(page.isNull());
            QCOMPARE(settingsBytes(), before);
        }
    }

    void previewEscapeDiscardsAndKeypadEnterTakesBack()
    {
        g_enviroment->privateData->WatermarkType = 2;
        g_enviroment->privateData->TextWatermark = WatermarkItemText(QStringLiteral("Moved"), QRect(0, 0, 480, 290)).toVariant();
        QPointer<Watermark> page = openPage();
        WatermarkItem *item = shown(page, WATERMARK_TEXT);
        const QRect before = item->rect();

        // Escape: the page keeps what it had.
        QTimer::singleShot(0, page, [page] {
            QVERIFY(page->previewWindow());
            QTest::keyClick(page->previewEditor(), Qt::Key_Right);
            QTest::keyClick(page->previewEditor(), Qt::Key_Escape);
        });
        page->form()->btnPreview->click();
        QVERIFY(!page->previewWindow());
        QCOMPARE(shown(page, WATERMARK_TEXT), item);
        QCOMPARE(item->rect(), before);

        // Keypad Enter: the moved item comes back, placed into the canvas.
        QRect moved;
        QTimer::singleShot(0, page, [page, &moved] {
            WatermarkEditor *preview = page->previewEditor();
            QVERIFY(preview->isPromptShown());
            QVERIFY(preview->currentItem());
            for (int i = 0; i < 200; ++i)
                QTest::keyClick(preview, Qt::Key_Right);
            moved = preview->currentItem()->rect();
            QTest::keyClick(preview, Qt::Key_Return); // only the keypad key accepts
            QVERIFY(page->previewWindow()->isVisible());
            QTest::keyClick(preview, Qt::Key_Enter, Qt::KeypadModifier);
        });
        page->form()->btnPreview->click();
        WatermarkItem *back = shown(page, WATERMARK_TEXT);
        QVERIFY(back);
        QCOMPARE(page->editor()->itemCount(WATERMARK_TEXT), 1);
        QVERIFY(back->rect().left() > before.left());
        QCOMPARE(back->rect().size(), before.size());
        QCOMPARE(back->boundsRect(), QRect(QPoint(0, 0), page->editor()->size()));
        QCOMPARE(page->form()->edtLeft->value(), back->rect().left());
        page->reject();
    }

    void promptGoesAfterThreeSeconds()
    {
        g_enviroment->privateData->WatermarkType = 2;
        g_enviroment->privateData->TextWatermark = WatermarkItemText(QStringLiteral("p"), QRect(0, 0, 480, 290)).toVariant();
        QPointer<Watermark> page = openPage();
        QTimer::singleShot(0, page, [page] {
            QVERIFY(page->previewEditor()->isPromptShown());
            QTRY_VERIFY_WITH_TIMEOUT(!page->previewEditor()->isPromptShown(), 6000);
            page->previewWindow()->reject();
        });
        page->form()->btnPreview->click();
        page->reject();
    }

    void hideRefreshesTheMainWindowOnce()
    {
        QSignalSpy state(Controller::instance(), &Controller::watermarkStateChanged);
        QPointer<Watermark> page = openPage();
        QSignalSpy visible(page.data(), &Watermark::visibleChanged);
        page->form()->btnCancel->click();
        QTRY_VERIFY(page.isNull());
        QCOMPARE(state.count(), 1);
        QCOMPARE(visible.count(), 1);
        QCOMPARE(visible.at(0).at(0).toBool(), false);
    }

    void keypadEnterIsSwallowedAndTheCaptionGreys()
    {
        const QByteArray before = settingsBytes();
        QPointer<Watermark> page = openPage();
        page->form()->btnOK->setFocus();
        QTest::keyClick(page, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(page->isVisible());
        QCOMPARE(settingsBytes(), before);

        QApplication::setActiveWindow(page);
        QTRY_COMPARE(page->form()->lblCaption->styleSheet(), QStringLiteral("color:white"));
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QTRY_COMPARE(page->form()->lblCaption->styleSheet(), QStringLiteral("color:gray"));
        page->reject();
    }

    void storedItemsArePlacedOnceIntoTheCanvas()
    {
        // Stored at scale 1.5, near the bottom-right corner.
        const QRect big(0, 0, 720, 435);
        WatermarkItemText text(QStringLiteral("Far"), big);
        text.setRect(text.rect().translated(300, 180));
        g_enviroment->privateData->WatermarkType = 2;
        g_enviroment->privateData->TextWatermark = text.toVariant();
        QPointer<Watermark> page = openPage();
        const QRect canvas(QPoint(0, 0), page->editor()->size());
        QVERIFY(canvas.contains(shown(page, WATERMARK_TEXT)->rect()));
        QCOMPARE(shown(page, WATERMARK_TEXT)->boundsRect(), canvas);

        page->hide();
        page->show();
        QCOMPARE(page->editor()->itemCount(WATERMARK_TEXT), 1);
        page->reject();
    }

    void unreadableImageIsRefusedWithAWarning()
    {
        int warnings = 0;
        CommonDialog::setRunHook([&warnings](CommonDialog *) {
            ++warnings;
            return int(QDialog::Accepted);
        });
        QPointer<Watermark> page = openPage();
        page->form()->rdoImageWatermark->click();
        m_pickers.file = m_dir.filePath(QStringLiteral("none.png"));
        page->form()->btnSelectImage->click();
        QCOMPARE(warnings, 1);
        QCOMPARE(page->editor()->itemCount(WATERMARK_IMAGE), 0);
        QVERIFY(!page->form()->btnOK->isEnabled());

        m_pickers.file = m_picture;
        page->form()->btnSelectImage->click();
        m_pickers.file = m_dir.filePath(QStringLiteral("none.png"));
        page->form()->btnSelectImage->click();
        QCOMPARE(warnings, 2);
        QCOMPARE(static_cast<WatermarkItemImage *>(shown(page, WATERMARK_IMAGE))->path(), m_picture);
        CommonDialog::setRunHook(nullptr);
        page->reject();
    }

    void spinBoxesGoThroughTheCanvasRules()
    {
        QPointer<Watermark> page = openPage();
        Ui::WatermarkClass *ui = page->form();
        ui->rdoImageWatermark->click();
        m_pickers.file = m_picture;
        ui->btnSelectImage->click();
        WatermarkItem *item = shown(page, WATERMARK_IMAGE);
        const QRect start = item->rect();
        ui->edtLeft->setValue(10);
        QCOMPARE(item->rect(), QRect(10, start.top(), start.width(), start.height()));
        ui->edtWidth->setValue(15);
        QCOMPARE(item->rect().width(), start.width());
        QCOMPARE(ui->edtWidth->maximum(), page->editor()->width());
        ui->chxKeepAspectRatio->setChecked(true);
        ui->edtWidth->setValue(100);
        QCOMPARE(item->rect().size(), QSize(100, 50));
        QCOMPARE(ui->edtHeight->value(), 50);
        page->reject();
    }
};

QTEST_MAIN(TestWatermark)
#include "tst_watermark.moc"
