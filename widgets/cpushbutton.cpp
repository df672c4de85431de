#include "cpushbutton.h"

#include "skinmanager.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace {

// Picks the image for a state, falling back to what was chosen so far.
void pick(const ImageStateMap &images, IMAGE_TYPE type, QPixmap *image, IMAGE_TYPE *chosen)
{
    auto it = images.constFind(type);
    if (it != images.constEnd()) {
        *image = it.value();
        *chosen = type;
    }
}

} // namespace

CPushButton::CPushButton(QWidget *parent)
    : QPushButton(parent)
    , m_iconMargin(static_cast<int>(15 * g_dscale))
    , m_textMargin(static_cast<int>(15 * g_dscale))
{
    setMouseTracking(true);
}

CPushButton::CPushButton(const QString &text, QWidget *parent)
    : CPushButton(parent)
{
    setText(text);
}

void CPushButton::setImageMap(const ImageStateMap &map)
{
    m_images = map;
    update();
}

void CPushButton::setMarkerPixmap(QPixmap *marker)
{
    m_marker = marker;
    update();
}

void CPushButton::changeIcon(const QString &key)
{
    SkinManager *skin = SkinManager::instance();
    skin->imageMap(&m_images, key.isEmpty() ? objectName() : key, skin->halfSize());
    update();
}

void CPushButton::changeIcon()
{
    changeIcon(QString());
}

void CPushButton::setButtonType(int type)
{
    m_buttonType = type;
    if (type == 0)
        m_alignment = LeftText;
    update();
}

void CPushButton::setTextAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void CPushButton::setIconMargin(int margin)
{
    m_iconMargin = margin;
    update();
}

void CPushButton::setTextMargin(int margin)
{
    m_textMargin = margin;
    update();
}

void CPushButton::paintEvent(QPaintEvent *event)
{
    if (m_images.isEmpty())
        QPushButton::paintEvent(event);

    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString text = option.text;
    option.text.clear();
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);

    const QColor windowText = option.palette.color(QPalette::WindowText);
    m_normalColor = windowText;
    if (!m_selectColor.isValid())
        m_selectColor = windowText;
    if (!m_hoverColor.isValid())
        m_hoverColor = windowText;
    if (!m_disableColor.isValid())
        m_disableColor = option.palette.color(QPalette::Disabled, QPalette::WindowText);

    QPixmap image;
    IMAGE_TYPE chosen = IMAGE_NORMAL;
    QColor color;
    pick(m_images, IMAGE_NORMAL, &image, &chosen);
    if (option.state & (QStyle::State_Sunken | QStyle::State_On)) {
        pick(m_images, IMAGE_DOWN, &image, &chosen);
        color = m_selectColor;
    } else if (option.state & QStyle::State_MouseOver) {
        pick(m_images, IMAGE_ON, &image, &chosen);
        color = m_hoverColor;
    } else {
        color = m_normalColor;
    }
    if (!isEnabled()) {
        pick(m_images, IMAGE_DISABLE, &image, &chosen);
        color = m_disableColor;
    }
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        option.palette.setBrush(group, QPalette::WindowText, color);

    const int W = width(), H = height();
    if (!image.isNull() && (W < image.width() || H < image.height()))
        image = image.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);

    QRect imageRect, textRect;
    QString shown = text;
    if (m_buttonType != 0) {
        imageRect = rect();
        textRect = (m_alignment == CenteredText) ? rect() : QRect(m_iconMargin, 0, W - m_iconMargin, H);
    } else {
        const int w = image.width();
        imageRect = QRect(0, 0, w + m_textMargin + m_iconMargin, H);
        if (m_alignment == CenteredText)
            textRect = QRect(w + m_iconMargin, 0, W - m_iconMargin - w, H);
        else
            textRect = QRect(w + m_textMargin + m_iconMargin, 0, W - m_textMargin - m_iconMargin - w, H);
        // Only a tool tip set here for a cut text is taken back: forms set
        // their own tool tips on buttons whose text fits.
        const QFontMetrics metrics(font());
        if (metrics.horizontalAdvance(text) > textRect.width()) {
            m_elidedTip = text;
            setToolTip(text);
            shown = metrics.elidedText(text, Qt::ElideRight, textRect.width());
        } else if (!m_elidedTip.isEmpty()) {
            if (toolTip() == m_elidedTip)
                setToolTip(QString());
            m_elidedTip.clear();
        }
    }

    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (!image.isNull())
        style()->drawItemPixmap(&painter, imageRect, Qt::AlignCenter, image);
    style()->drawItemText(&painter, textRect, static_cast<int>(m_alignment), option.palette, isEnabled(),
                          shown, QPalette::WindowText);
    if (m_marker && !m_marker->isNull())
        painter.drawPixmap(QRect(textRect.left() - m_textMargin, textRect.bottom() - 20, 11, 14), *m_marker);

    m_last = {chosen, color, imageRect, textRect, shown};
}
