#include "pintoscreenwidget.h"

#include "framelessdrag.h"
#include "platform/windowstacking.h"
#include "skinmanager.h"

#include <QLabel>
#include <QPushButton>

namespace {
QList<PinToScreenWidget *> &pins()
{
    static QList<PinToScreenWidget *> list;
    return list;
}
} // namespace

PinToScreenWidget::PinToScreenWidget(QWidget *parent, const QPixmap &picture) : QWidget(parent)
{
    // A tool window has no taskbar entry; "above" comes from the stacking
    // layer when the window is shown.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);

    m_label = new QLabel(this);
    m_label->setPixmap(picture);
    m_label->setGeometry(0, 0, picture.width(), picture.height());
    // Presses on the picture go to the window, which drags.
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_closeButton = new QPushButton(this);
    const QString folder = SkinManager::instance()->skinPath() + QStringLiteral("image/");
    m_closeButton->setStyleSheet(
        QStringLiteral("QPushButton{border-image: url(%1Group-normal.png)}"
                       "                           QPushButton:hover{border-image: url(%1Group-hover.png)}"
                       "                           QPushButton:pressed{border-image: url(%1Group-press.png)}")
            .arg(folder));
    // Unscaled, as the pictures it sits on are screen pixels too.
    m_closeButton->setGeometry(picture.width() - 30, 0, 30, 30);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);

    m_drag = new FramelessDrag(this);
    m_drag->addHandle(this);

    pins().append(this);
}

PinToScreenWidget::~PinToScreenWidget()
{
    pins().removeAll(this);
}

const QList<PinToScreenWidget *> &PinToScreenWidget::pinnedWidgets()
{
    return pins();
}

void PinToScreenWidget::closeAll()
{
    // Each close removes the window from the list.
    const QList<PinToScreenWidget *> copy = pins();
    for (PinToScreenWidget *w : copy)
        w->close();
}

void PinToScreenWidget::enterEvent(QEvent *event)
{
    m_closeButton->setVisible(true);
    QWidget::enterEvent(event);
}

void PinToScreenWidget::leaveEvent(QEvent *event)
{
    m_closeButton->setVisible(false);
    QWidget::leaveEvent(event);
}

void PinToScreenWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    WindowStacking::instance()->setStaysOnTop(windowHandle(), true);
}
