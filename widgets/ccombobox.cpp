#include "ccombobox.h"

#include <QCoreApplication>
#include <QPainter>
#include <QWheelEvent>

CComBobox::CComBobox(QWidget *parent)
    : QComboBox(parent)
{
}

void CComBobox::updateToolTip(int index)
{
    const QString text = itemText(index);
    if (fontMetrics().horizontalAdvance(text) > width())
        setItemData(index, text, Qt::ToolTipRole);
}

void CComBobox::addItem(const QString &text, const QVariant &userData)
{
    QComboBox::addItem(text, userData);
    updateToolTip(count() - 1);
}

void CComBobox::addItems(const QStringList &texts)
{
    for (const QString &text : texts)
        addItem(text);
}

void CComBobox::insertItems(int index, const QStringList &texts)
{
    // QComboBox clamps the position; work out where the items really land.
    const int at = qBound(0, index, count());
    QComboBox::insertItems(index, texts);
    for (int i = 0; i < texts.size(); ++i)
        updateToolTip(at + i);
}

void CComBobox::setArrowPixmap(QPixmap *arrow)
{
    m_arrow = arrow;
    update();
}

void CComBobox::wheelEvent(QWheelEvent *event)
{
    // Not ours: a scrolling page around the box still scrolls.
    event->ignore();
}

void CComBobox::paintEvent(QPaintEvent *event)
{
    QComboBox::paintEvent(event);
    if (m_arrow && !m_arrow->isNull()) {
        QPainter painter(this);
        const QRect r = rect();
        painter.drawPixmap(QRect(r.left() + r.width() - 35, r.top() + (r.height() - 9) / 3, 11, 14), *m_arrow);
    }
}

void ComboWheelGuard::install(QCoreApplication *app)
{
    if (app && !app->findChild<ComboWheelGuard *>(QString(), Qt::FindDirectChildrenOnly))
        app->installEventFilter(new ComboWheelGuard(app));
}

bool ComboWheelGuard::eventFilter(QObject *watched, QEvent *event)
{
    // A turn over a box is dropped, not passed to the box: the box never
    // changes its item, and its open pop-up list still scrolls.
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox *>(watched))
        return true;
    return QObject::eventFilter(watched, event);
}
