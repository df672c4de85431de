#include "windowchrome.h"

#include "skinmanager.h"

#include <QColor>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace chrome {

QString skinImageFolder()
{
    return SkinManager::instance()->skinPath() + QStringLiteral("image/");
}

QString iconStyleSheet(const QString &path, const QString &imageFolder, double scale)
{
    QByteArray bytes;
    if (!SkinManager::readSkinFile(path, &bytes))
        return QString();
    QString text = SkinManager::rewriteSizeMarkers(QString::fromUtf8(bytes), scale);
    return text.replace(QStringLiteral("%1"), imageFolder);
}

QString iconStyleSheet()
{
    SkinManager *skin = SkinManager::instance();
    return iconStyleSheet(skin->iconStyleSheetPath(), skinImageFolder(), skin->scale());
}

QString captionStyleSheet(const QString &objectName)
{
    QColor band = SkinManager::instance()->color(QStringLiteral("Frame"), QStringLiteral("TitleBand"));
    if (!band.isValid())
        band = QColor(QStringLiteral("#BAACF2"));
    return QStringLiteral("QWidget#%1{background-color: %2;}").arg(objectName, band.name());
}

QString closeButtonStyleSheet()
{
    return QStringLiteral("QPushButton{border-image: url(%1closewindow-normal_free.png)}\n"
                          "QPushButton:hover{border-image: url(%1closewindow-on_free.png)}\n"
                          "QPushButton:pressed{border-image: url(%1closewindow-on_free.png)}")
        .arg(skinImageFolder());
}

Qt::Edges resizeEdgesAt(const QPoint &local, const QSize &size, int band)
{
    Qt::Edges edges;
    const int x = local.x(), y = local.y();
    if (x < 0 || y < 0 || x >= size.width() || y >= size.height())
        return edges;
    if (x < band)
        edges |= Qt::LeftEdge;
    else if (x >= size.width() - band)
        edges |= Qt::RightEdge;
    if (y < band)
        edges |= Qt::TopEdge;
    else if (y >= size.height() - band)
        edges |= Qt::BottomEdge;
    return edges;
}

Qt::CursorShape resizeCursor(Qt::Edges edges)
{
    const bool left = edges & Qt::LeftEdge, right = edges & Qt::RightEdge;
    const bool top = edges & Qt::TopEdge, bottom = edges & Qt::BottomEdge;
    if ((left && top) || (right && bottom))
        return Qt::SizeFDiagCursor;
    if ((right && top) || (left && bottom))
        return Qt::SizeBDiagCursor;
    if (left || right)
        return Qt::SizeHorCursor;
    if (top || bottom)
        return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}

QRect resizedGeometry(const QRect &start, Qt::Edges edges, const QPoint &delta, const QSize &minimum)
{
    QRect r = start;
    if (edges & Qt::LeftEdge)
        r.setLeft(qMin(start.left() + delta.x(), start.right() + 1 - minimum.width()));
    if (edges & Qt::RightEdge)
        r.setRight(qMax(start.right() + delta.x(), start.left() + minimum.width() - 1));
    if (edges & Qt::TopEdge)
        r.setTop(qMin(start.top() + delta.y(), start.bottom() + 1 - minimum.height()));
    if (edges & Qt::BottomEdge)
        r.setBottom(qMax(start.bottom() + delta.y(), start.top() + minimum.height() - 1));
    return r;
}

} // namespace chrome

FramelessResize::FramelessResize(QWidget *window, int band) : QObject(window), m_window(window), m_band(band)
{
    window->setMouseTracking(true);
    window->installEventFilter(this);
}

void FramelessResize::addHandle(QWidget *handle)
{
    handle->setMouseTracking(true);
    handle->installEventFilter(this);
}

bool FramelessResize::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(watched)
    if (!m_window || m_window->isMaximized())
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
        return false;
    auto *e = static_cast<QMouseEvent *>(event);
    const QPoint local = m_window->mapFromGlobal(e->globalPos());
    switch (type) {
    case QEvent::MouseMove:
        if (m_resizing) {
            m_window->setGeometry(chrome::resizedGeometry(m_startGeometry, m_edges, e->globalPos() - m_startPos,
                                                          m_window->minimumSize()));
            return true;
        }
        if (!e->buttons()) {
            const Qt::Edges edges = chrome::resizeEdgesAt(local, m_window->size(), m_band);
            if (edges) {
                m_window->setCursor(chrome::resizeCursor(edges));
                m_cursorSet = true;
            } else if (m_cursorSet) {
                m_window->unsetCursor();
                m_cursorSet = false;
            }
        }
        return false;
    case QEvent::MouseButtonPress: {
        const Qt::Edges edges = chrome::resizeEdgesAt(local, m_window->size(), m_band);
        if (e->button() != Qt::LeftButton || !edges)
            return false;
        QWindow *handle = m_window->windowHandle();
        if (m_systemResizeAllowed && handle && handle->startSystemResize(edges))
            return true;
        m_resizing = true;
        m_edges = edges;
        m_startGeometry = m_window->geometry();
        m_startPos = e->globalPos();
        return true;
    }
    default:
        if (!m_resizing || e->button() != Qt::LeftButton)
            return false;
        m_resizing = false;
        return true;
    }
}
