#pragma once
// A watermark read from an image file, drawn with its alpha multiplied by
// the item's transparency.
#include "watermarkitem.h"

#include <QImage>
#include <QPixmap>
#include <QString>

class WatermarkItemImage : public WatermarkItem
{
public:
    WatermarkItemImage(const QString &path, const QRect &bounds);

    // A new item read from a stored record; an unreadable record, or one of
    // the text kind, gives an empty item. The caller owns it.
    static WatermarkItemImage *fromVariant(const QVariant &value);

    void paint(QPainter *painter) override;
    bool isEmpty() const override;
    void setTransparency(qint16 transparency) override;
    void fitToBounds(const QRect &bounds) override;
    WatermarkItem *clone() const override;
    QVariant toVariant() const override;
    // False, with the item unchanged, when the record cannot be read whole
    // or is not an image record.
    bool readVariant(const QVariant &value);

    // Loads the file. When it cannot be read, a previous image stays with
    // its path and false is returned; an item without an image only takes
    // the path (and stays empty).
    // False when the file cannot be read or its picture is refused; `why`
    // then says why.
    bool setPath(const QString &path, QString *why = nullptr);
    const QString &path() const { return m_path; }
    const QImage &image() const { return m_image; }
    const QPixmap &pixmap() const { return m_pixmap; }
    double aspectRatio() const { return m_aspectRatio; }

    bool keepDesignedSize() const { return m_keepDesignedSize; }
    void setKeepDesignedSize(bool on) { m_keepDesignedSize = on; }
    bool keepAspectRatio() const { return m_keepAspectRatio; }
    void setKeepAspectRatio(bool on) { m_keepAspectRatio = on; }

    // The default rectangle: 90 px on the short side, centred in the bounds.
    void resetRect();

private:
    void renderPixmap();

    QString m_path;
    QImage m_image;
    QPixmap m_pixmap;
    double m_aspectRatio = 1.0;
    bool m_keepDesignedSize = false;
    bool m_keepAspectRatio = false;
};
