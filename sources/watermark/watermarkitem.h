#pragma once
// A watermark that the engine stamps into every frame: an image or a line of
// text placed in a canvas rectangle (its bounds). Items paint themselves on
// the editing canvas, answer which handle the pointer is on, are re-placed
// into other bounds (the full-screen preview, the capture area) and are
// stored in the settings as a byte record.
#include "core/globaldefs.h"

#include <QMap>
#include <QObject>
#include <QRect>
#include <QVariant>

class QPainter;

class WatermarkItem : public QObject
{
public:
    ~WatermarkItem() override = default;

    // WATERMARK_IMAGE or WATERMARK_TEXT.
    int watermarkType() const { return m_kind; }

    virtual void paint(QPainter *painter);
    // True when there is nothing to stamp (no readable image, no text).
    virtual bool isEmpty() const = 0;

    virtual const QRect &rect() const { return m_rect; }
    // Stores the rectangle and rebuilds the handles.
    virtual void setRect(const QRect &rect);
    virtual bool isSelected() const { return m_selected; }
    virtual void setSelected(bool selected) { m_selected = selected; }
    // The zone under a point: a handle (HTLEFT..HTBOTTOMRIGHT, the lowest
    // key where squares overlap), HTCLIENT inside, HTNOWHERE outside.
    virtual int hitTest(const QPoint &point) const;
    // 255 is opaque, 0 invisible.
    virtual qint16 transparency() const { return m_transparency; }
    virtual void setTransparency(qint16 transparency) { m_transparency = transparency; }
    // The canvas rectangle the item was last placed in.
    virtual const QRect &boundsRect() const { return m_bounds; }
    // Places the item into new bounds at the same relative position and
    // makes them its bounds.
    virtual void fitToBounds(const QRect &bounds) = 0;
    // Takes kind, rectangle, transparency, bounds and the selected flag.
    virtual WatermarkItem *copyFrom(const WatermarkItem &other);
    // A deep copy the caller owns.
    virtual WatermarkItem *clone() const = 0;
    // The stored record: a QByteArray in QDataStream version 17, big-endian.
    virtual QVariant toVariant() const = 0;

    // The eight 6 x 6 handle squares by zone; none for an invalid rectangle.
    const QMap<int, QRect> &handles() const { return m_handles; }

    // Keeps r inside bounds: shifted first, then cut where it is too large.
    static QRect keptInside(QRect r, const QRect &bounds);
    // num / den as a double; 0 for a zero divisor.
    static double fraction(int num, int den);
    // A double truncated toward zero, held in a range no rectangle leaves.
    static int truncated(double value);
    // Rounded to the nearest integer, halves upward, held in the same range.
    static int rounded(double value);

protected:
    WatermarkItem(int kind, const QRect &bounds);
    void paintSelection(QPainter *painter) const;
    void updateHandles();
    void setBounds(const QRect &bounds) { m_bounds = bounds; }

    // Record fields common to both kinds, in stored order.
    struct RecordHead {
        qint32 kind = 0;
        QRect rect;
        QRect bounds;
        qint16 transparency = 255;
    };
    void writeHead(QDataStream &stream) const;
    static void readHead(QDataStream &stream, RecordHead *head);

    int m_kind;
    QRect m_rect;
    QRect m_bounds;
    bool m_selected = false;
    QMap<int, QRect> m_handles;
    qint16 m_transparency = 255;
};

Q_DECLARE_METATYPE(WatermarkItem *)

// Stream version of the stored records (Qt 5.6's format).
constexpr int WATERMARK_STREAM_VERSION = 17;
