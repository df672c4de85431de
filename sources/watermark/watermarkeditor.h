#pragma once
// The canvas on which the user places the watermark: a sample picture with
// the item of the shown kind on it, moved and resized by mouse and keys and
// removed with Delete. It owns its items.
#include <QFont>
#include <QPoint>
#include <QVector>
#include <QWidget>

class WatermarkItem;

class WatermarkEditor : public QWidget
{
    Q_OBJECT
public:
    explicit WatermarkEditor(QWidget *parent = nullptr);
    ~WatermarkEditor() override;

    // Gives the image item this file (a new item when there is none) and
    // makes it current. False, with nothing changed, when the file cannot
    // be read as a picture or its picture is refused (`why` says which).
    bool setImageFile(const QString &path, QString *why = nullptr);
    // Gives the text item this text (a new item when there is none) and
    // makes it current.
    void setText(const QString &text);
    void clear();
    const QVector<WatermarkItem *> &items() const { return m_items; }
    int itemCount(int kind) const;
    // The n-th item of a kind, or null.
    WatermarkItem *item(int kind, int n) const;
    // Takes an item into the list (the canvas owns it from then on).
    void appendItem(WatermarkItem *item);
    void removeItem(WatermarkItem *item);
    // Hands every item over to the caller and forgets them.
    QVector<WatermarkItem *> takeItems();
    void setCurrentItem(WatermarkItem *item);
    WatermarkItem *currentItem() const { return m_currentItem; }
    WatermarkItem *hoverItem() const { return m_hoverItem; }
    void setKeepAspectRatio(bool on);
    void setItemRect(const QRect &rect);
    // Moves the current item's edges under the canvas' rules (20 px
    // minimum for a resize, never across the canvas, the image's ratio).
    void adjustItem(int dLeft, int dTop, int dRight, int dBottom);
    QFont currentFont() const;
    QString currentText() const;

    // The kind shown and edited: WATERMARK_NONE, _IMAGE or _TEXT.
    int watermarkType() const { return m_watermarkType; }
    void setWatermarkType(int kind) { m_watermarkType = kind; }
    bool isPromptShown() const { return m_showPrompt; }
    void setPromptShown(bool on) { m_showPrompt = on; }
    int zone() const { return m_zone; }

    static constexpr int MinimumSize = 20;

signals:
    void currentItemChanged(WatermarkItem *item);
    void currentRectChanged(const QRect &rect);

public slots:
    void hidePrompt();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool currentIsShown() const;
    void hoverAt(const QPoint &pos);
    void dragTo(const QPoint &pos);

    QVector<WatermarkItem *> m_items;
    int m_zone = 0;
    bool m_dragging = false;
    QPoint m_lastPos;
    WatermarkItem *m_hoverItem = nullptr;
    WatermarkItem *m_currentItem = nullptr;
    int m_watermarkType = 1;
    bool m_showPrompt = false;
};
