// The watermark page: no watermark, a text item, an image item (each
// selected), and the full-screen preview with its prompt.

#include "gallery.h"

#include "ui_watermark.h"
#include "watermark.h"
#include "watermarkeditor.h"
#include "watermarkitem.h"

#include <QDir>
#include <QPainter>
#include <QRadioButton>

namespace {

Watermark *pageWith(QRadioButton *(*button)(Watermark *))
{
    auto *page = new Watermark;
    page->show(); // loads the (empty) store first
    button(page)->click();
    return page;
}

QRadioButton *noButton(Watermark *p) { return p->form()->rdoNoWatermark; }
QRadioButton *textButton(Watermark *p) { return p->form()->rdoTextWatermark; }
QRadioButton *imageButton(Watermark *p) { return p->form()->rdoImageWatermark; }

void selectCurrent(Watermark *page)
{
    if (WatermarkItem *item = page->editor()->currentItem())
        item->setSelected(true);
    page->editor()->update();
}

QWidget *makeNone()
{
    return pageWith(noButton);
}

QWidget *makeText()
{
    Watermark *page = pageWith(textButton);
    page->form()->edtText->setText(QStringLiteral("Mirelo Studio"));
    selectCurrent(page);
    return page;
}

// A sample logo of our own: a badge and a word on a transparent ground.
QString sampleLogo()
{
    const QString path = QDir::temp().filePath(QStringLiteral("mirelo-gallery-watermark.png"));
    QImage image(320, 120, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0xE8, 0x4A, 0x5F));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRect(8, 8, 104, 104));
    p.setBrush(Qt::white);
    p.drawEllipse(QRect(40, 40, 40, 40));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(56);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(124, 0, 196, 120), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("REC"));
    p.end();
    image.save(path);
    return path;
}

QWidget *makeImage()
{
    Watermark *page = pageWith(imageButton);
    page->editor()->setImageFile(sampleLogo());
    page->form()->sldTransparency->setValue(200);
    selectCurrent(page);
    return page;
}

QWidget *makePreview()
{
    Watermark *page = pageWith(textButton);
    page->form()->edtText->setText(QStringLiteral("Mirelo Studio"));
    return page->openPreview();
}

} // namespace

QList<GalleryEntry> gallery::watermarkEntries()
{
    return {
        {"watermark-none", makeNone},
        {"watermark-text", makeText},
        {"watermark-image", makeImage},
        {"watermark-preview", makePreview},
    };
}
