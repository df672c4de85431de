#pragma once
// A push button that paints the skin's image for its state (normal, mouse
// over, pressed or checked, disabled) and its text in a colour per state.

#include "core/globaldefs.h"

#include <QColor>
#include <QPushButton>

class CPushButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QColor normalcolor READ normalColor WRITE setNormalColor)
    Q_PROPERTY(QColor hovercolor READ hoverColor WRITE setHoverColor)
    Q_PROPERTY(QColor disablecolor READ disableColor WRITE setDisableColor)
    Q_PROPERTY(QColor selectcolor READ selectColor WRITE setSelectColor)
public:
    // Alignments the layout tells apart: centred, and left for type 0.
    static constexpr Qt::Alignment CenteredText = Qt::AlignCenter;
    static constexpr Qt::Alignment LeftText = Qt::AlignLeft | Qt::AlignVCenter;

    explicit CPushButton(QWidget *parent = nullptr);
    explicit CPushButton(const QString &text, QWidget *parent = nullptr);

    void setImageMap(const ImageStateMap &map);
    ImageStateMap imageMap() const { return m_images; }
    // A small picture drawn left below the text (not owned).
    void setMarkerPixmap(QPixmap *marker);

    int buttonType() const { return m_buttonType; }
    Qt::Alignment textAlignment() const { return m_alignment; }
    int iconMargin() const { return m_iconMargin; }
    int textMargin() const { return m_textMargin; }

    QColor normalColor() const { return m_normalColor; }
    QColor hoverColor() const { return m_hoverColor; }
    QColor disableColor() const { return m_disableColor; }
    QColor selectColor() const { return m_selectColor; }
    void setNormalColor(const QColor &c) { m_normalColor = c; update(); }
    void setHoverColor(const QColor &c) { m_hoverColor = c; update(); }
    void setDisableColor(const QColor &c) { m_disableColor = c; update(); }
    void setSelectColor(const QColor &c) { m_selectColor = c; update(); }

    // What the last paint chose, for checks and the gallery.
    struct PaintResult {
        IMAGE_TYPE state = IMAGE_NORMAL;
        QColor textColor;
        QRect imageRect;
        QRect textRect;
        QString shownText;
    };
    PaintResult lastPaint() const { return m_last; }

public slots:
    void changeIcon(const QString &key);
    void changeIcon();
    void setButtonType(int type);
    void setTextAlignment(Qt::Alignment alignment);
    void setIconMargin(int margin);
    void setTextMargin(int margin);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ImageStateMap m_images;
    Qt::Alignment m_alignment = CenteredText;
    int m_iconMargin;
    int m_textMargin;
    QColor m_hoverColor, m_disableColor, m_selectColor, m_normalColor;
    int m_buttonType = 1;
    QPixmap *m_marker = nullptr;
    QString m_elidedTip; // the tool tip this button set itself for a cut text
    PaintResult m_last;
};
