#include "pintoscreenwidget.h"

#include "framelessdrag.h"
#include "platform/windowstacking.h"
#include "skinmanager.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

namespace {
// A window manager that will not have the window at its place is asked no
// more often than this.
constexpr int kPlaceTries = 3;
// How long after it first shows a move of the window is the window
// manager's placing, moved back.
constexpr int kSettleMs = 1000;

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
    // The picture's size, also where a window manager would make a small
    // floating window larger (i3).
    setFixedSize(picture.size());

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
    if (event->spontaneous() || m_shown || !windowHandle())
        return;
    m_shown = true;
    m_place = pos();
    m_placing = true;
    windowHandle()->installEventFilter(this);
}

// A window manager may place a new window as though its own frame were
// around it, even one it is told to draw no frame for (i3 floats it that far
// right and down): the window is moved back, which every manager allows a
// window of its own. Only until it first shows: a later move is the user's.
void PinToScreenWidget::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (m_placing)
        backToPlace();
}

bool PinToScreenWidget::eventFilter(QObject *watched, QEvent *event)
{
    // The window manager places the window as it maps it, but its word on
    // where may come after the window shows (i3 on a loaded machine): the
    // place is held a while longer, unless the user takes the window first.
    if (m_placing && watched == windowHandle()) {
        if (event->type() == QEvent::Expose && windowHandle()->isExposed()) {
            QTimer::singleShot(0, this, &PinToScreenWidget::backToPlace);
            QTimer::singleShot(kSettleMs, this, &PinToScreenWidget::placed);
        } else if (event->type() == QEvent::MouseButtonPress) {
            m_placing = false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PinToScreenWidget::placed()
{
    if (!m_placing)
        return;
    m_placing = false;
    if (windowHandle())
        windowHandle()->removeEventFilter(this);
    backToPlace();
}

void PinToScreenWidget::backToPlace()
{
    if (pos() != m_place && m_placeTries < kPlaceTries) {
        ++m_placeTries;
        move(m_place);
    }
}
