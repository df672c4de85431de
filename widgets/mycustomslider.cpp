#include "mycustomslider.h"

#include <QLabel>
#include <QVariant>

namespace {
constexpr int kLabelSize = 20;
constexpr int kLabelY = -6;
} // namespace

MyCustomSlider::MyCustomSlider(QWidget *parent)
    : QSlider(Qt::Horizontal, parent), m_valueLabel(new QLabel(this))
{
    m_valueLabel->setFixedSize(kLabelSize, kLabelSize);
    m_valueLabel->setAlignment(Qt::AlignCenter);
    m_valueLabel->move(0, kLabelY);
    m_valueLabel->setProperty("STYLE_KEY", QStringLiteral("LBLSLIDERVALUE"));
    m_valueLabel->hide();
}

int MyCustomSlider::labelX(int value) const
{
    const int range = maximum() - minimum();
    if (range <= 0)
        return 0; // an empty range has no share to place by
    return int(qint64(value - minimum()) * (width() - m_valueLabel->width()) / range);
}

void MyCustomSlider::mousePressEvent(QMouseEvent *event)
{
    if (m_valueLabel->isHidden()) {
        m_valueLabel->setText(QString::number(value()));
        m_valueLabel->show();
    }
    QSlider::mousePressEvent(event);
}

void MyCustomSlider::mouseMoveEvent(QMouseEvent *event)
{
    m_valueLabel->setText(QString::number(value()));
    m_valueLabel->move(labelX(value()), kLabelY);
    QSlider::mouseMoveEvent(event);
}

void MyCustomSlider::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_valueLabel->isVisible())
        m_valueLabel->hide();
    QSlider::mouseReleaseEvent(event);
}
