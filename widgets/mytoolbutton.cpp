#include "mytoolbutton.h"

#include "skinmanager.h"

#include <QIcon>
#include <QStyleOptionToolButton>
#include <QStylePainter>

MyToolButton::MyToolButton(QWidget *parent)
    : QToolButton(parent)
{
}

void MyToolButton::changeIcon(const QString &key)
{
    SkinManager *skin = SkinManager::instance();
    skin->imageMap(&m_images, key.isEmpty() ? objectName() : key, skin->halfSize());
    update();
}

void MyToolButton::changeIcon()
{
    changeIcon(QString());
}

void MyToolButton::setToolButtonStyle(Qt::ToolButtonStyle style)
{
    QToolButton::setToolButtonStyle(style);
    m_style = style;
    update();
}

void MyToolButton::SetLimitPixmap(QPixmap *limit)
{
    m_limit = limit;
    update();
}

void MyToolButton::setImageMap(const ImageStateMap &map)
{
    m_images = map;
    update();
}

void MyToolButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);

    // Only a tool tip set here for a cut text is taken back: forms give their
    // tool buttons tool tips of their own.
    const QFontMetrics metrics(font());
    if (metrics.horizontalAdvance(option.text) > option.rect.width()) {
        m_elidedTip = option.text;
        setToolTip(option.text);
        option.text = metrics.elidedText(option.text, Qt::ElideRight, option.rect.width());
    } else if (!m_elidedTip.isEmpty()) {
        if (toolTip() == m_elidedTip)
            setToolTip(QString());
        m_elidedTip.clear();
    }

    IMAGE_TYPE chosen = IMAGE_NORMAL;
    QPixmap image = m_images.value(IMAGE_NORMAL);
    IMAGE_TYPE wanted = IMAGE_NORMAL;
    if (option.state & (QStyle::State_Sunken | QStyle::State_On))
        wanted = IMAGE_DOWN;
    else if (option.state & QStyle::State_MouseOver)
        wanted = IMAGE_ON;
    if (m_images.contains(wanted)) {
        image = m_images.value(wanted);
        chosen = wanted;
    }
    const QPixmap disabled = m_images.value(IMAGE_DISABLE, image);
    if (!isEnabled() && m_images.contains(IMAGE_DISABLE))
        chosen = IMAGE_DISABLE;

    QIcon icon;
    icon.addPixmap(image, QIcon::Normal);
    icon.addPixmap(image, QIcon::Active);
    icon.addPixmap(disabled, QIcon::Disabled);
    option.icon = icon;
    option.iconSize = image.size();
    option.toolButtonStyle = static_cast<Qt::ToolButtonStyle>(m_style);
    painter.drawComplexControl(QStyle::CC_ToolButton, option);

    if (m_limit && !m_limit->isNull()) {
        const QRect r = option.rect;
        painter.drawPixmap(QRect(r.left() + r.width() - 50, r.top() + (r.height() - 20) / 2, 19, 22), *m_limit);
    }
    m_lastState = chosen;
}
