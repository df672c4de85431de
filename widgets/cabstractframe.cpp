#include "cabstractframe.h"

#include <QCloseEvent>
#include <QKeyEvent>

CAbstractFrame::CAbstractFrame(QWidget *content, QWidget *parent, FrameTypes types)
    : QDialog(parent), m_parent(parent), m_content(content), m_types(types)
{
    // The signal's argument type by the name the signal gives it.
    static const int registered = qRegisterMetaType<CAbstractFrame::FrameTypes>("CAbstractFrame::FrameTypes");
    Q_UNUSED(registered);
    if (m_content)
        m_content->installEventFilter(this);
}

void CAbstractFrame::setCloseCallback(CloseCallback callback, void *argument)
{
    m_closeCallback = callback;
    m_closeArgument = argument;
}

void CAbstractFrame::handBack(QWidget *content, QWidget *owner)
{
    content->setParent(owner, content->windowFlags() & ~Qt::WindowType_Mask);
    content->hide();
}

QWidget *CAbstractFrame::frameWidget() { return this; }
void CAbstractFrame::setTitleAnimation(bool) {}
void CAbstractFrame::setGpuButtonsEnabled(bool) {}
void CAbstractFrame::setFrameTypes(FrameTypes) {}
void CAbstractFrame::enableIntelOnly(bool) {}
void CAbstractFrame::enableAmdOnly(bool) {}
void CAbstractFrame::enableNvidiaOnly(bool) {}

void CAbstractFrame::retranslateTitle()
{
    if (m_content)
        setWindowTitle(m_content->windowTitle());
}

void CAbstractFrame::reloadTitleSkin() {}
void CAbstractFrame::fitToContent() {}
void CAbstractFrame::addTitleLeftWidget(QWidget *, int) {}
void CAbstractFrame::addTitleMiddleWidget(QWidget *, int) {}
void CAbstractFrame::addTitleRightWidget(QWidget *, int) {}
void CAbstractFrame::setDragWidget(QWidget *) {}
void CAbstractFrame::reserved() {}

bool CAbstractFrame::closeFrame() { return close(); }

void CAbstractFrame::CloseSlot() { closeFrame(); }

bool CAbstractFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_content && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        if (!hasType(MainFrame))
            closeFrame();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// An Escape that reaches the frame itself, not its content: the main frame
// holds the keyboard while a view shown beside it has none (a bare server
// activates no new window), and a dialog's Escape would hide it for good.
// Any other frame closes as for its content's Escape: a dialog's own reject
// would hide it past its close callback and keep the view it holds.
void CAbstractFrame::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        if (!hasType(MainFrame))
            closeFrame();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CAbstractFrame::closeEvent(QCloseEvent *event)
{
    // The callback is asked first: a refused close keeps the frame whole,
    // content included.
    if (m_closeCallback) {
        if (!m_closeCallback(m_closeArgument)) {
            event->ignore();
            return;
        }
        m_closeCallback = nullptr;
        m_closeArgument = nullptr;
    }
    // A view shown in a passing frame goes back to its owner.
    if (m_content && !hasType(MainFrame) && !m_content->testAttribute(Qt::WA_DeleteOnClose)) {
        m_content->removeEventFilter(this);
        handBack(m_content, m_parent);
    }
    event->accept();
}
