#include "cwindowsframe.h"

#include "core/fileutils.h"
#include "core/globaldefs.h"
#include "framelessdrag.h"
#include "mybutton.h"
#include "skinmanager.h"
#include "titlebar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace {
constexpr int kBorder = 4; // resize border on every side
constexpr int kNormalMargin = 1;
} // namespace

CWindowsFrame::CWindowsFrame(QWidget *content, QWidget *parent, FrameTypes types, const QPixmap &icon,
                             int titlePosition, int screenIndex)
    : CAbstractFrame(content, parent, types), m_icon(icon), m_screenIndex(screenIndex),
      m_titlePosition(titlePosition)
{
    CWindowsFrame::init();
    // A work area that changes (a panel appears) keeps a maximised frame in it.
    auto watch = [this](QScreen *screen) {
        connect(screen, &QScreen::availableGeometryChanged, this,
                [this, screen] { workAreaResizedSlot(QGuiApplication::screens().indexOf(screen)); });
    };
    for (QScreen *screen : QGuiApplication::screens())
        watch(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, watch);
}

void CWindowsFrame::init()
{
    m_titleBar = nullptr;
    m_maximized = false;
    m_doubleClickMaximize = hasType(DoubleClickMaximize);
    m_drag = new FramelessDrag(this);

    if (m_content) {
        resize(m_content->size());
        setWindowTitle(m_content->windowTitle());
    }

    installEventFilter(this);
    Qt::WindowFlags flags = Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint
                            | Qt::WindowMaximizeButtonHint;
    if (!m_doubleClickMaximize)
        flags |= Qt::WindowSystemMenuHint;
    setWindowFlags(flags);

    m_shadow = QPixmap(SkinManager::instance()->skinPath() + QStringLiteral("SplashScreen/main_shadow.png"));

    m_titleBar = new TitleBar(m_titlePosition, this);
    m_titleBar->setTitleText(windowTitle());
    m_titleBar->setTitleIcon(m_icon);
    m_titleBar->installEventFilter(this);

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(kNormalMargin, kNormalMargin, kNormalMargin, kNormalMargin);
    m_layout->setSpacing(0);
    if (hasType(NoTitleBar)) {
        m_titleBar->hide();
    } else {
        auto *row = new QHBoxLayout;
        row->setSpacing(0);
        row->addStretch();
        row->addWidget(m_titleBar, 1);
        row->addStretch();
        m_layout->addLayout(row);
    }
    if (m_content) {
        m_layout->addWidget(m_content);
        // A view shown here before was hidden when it went back.
        m_content->show();
    }

    showTitleButtons();

    connect(m_titleBar->settingsButton(), &QPushButton::clicked, this, &CWindowsFrame::TitleButtonSlot);
    connect(m_titleBar->helpButton(), &QPushButton::clicked, this, &CWindowsFrame::TitleButtonSlot);
    connect(m_titleBar->feedbackButton(), &QPushButton::clicked, this, &CWindowsFrame::TitleButtonSlot);
    connect(m_titleBar->closeButton(), &QPushButton::clicked, this, &CAbstractFrame::CloseSlot);
    connect(m_titleBar->minimizeButton(), &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(m_titleBar->maximizeButton(), &QPushButton::clicked, this, &CWindowsFrame::ShowMaxRestore);
    connect(m_titleBar->restoreButton(), &QPushButton::clicked, this, &CWindowsFrame::ShowMaxRestore);

    placeWindow();

    if (m_content)
        m_content->setFocus(Qt::OtherFocusReason);
}

void CWindowsFrame::showTitleButtons()
{
    TitleBar *t = m_titleBar;
    for (QWidget *w : std::initializer_list<QWidget *>{
             t->settingsButton(), t->helpButton(), t->feedbackButton(), t->minimizeButton(), t->maximizeButton(),
             t->restoreButton(), t->closeButton(), t->intelButton(), t->amdButton(), t->nvidiaButton(),
             t->firstSeparator(), t->secondSeparator()})
        w->hide();
    const struct {
        FrameType bit;
        QWidget *button;
        QWidget *separator;
    } table[] = {
        {MinimizeButton, t->minimizeButton(), nullptr},
        {CloseButton, t->closeButton(), nullptr},
        {SettingsButton, t->settingsButton(), t->secondSeparator()},
        {HelpButton, t->helpButton(), t->secondSeparator()},
        {FeedbackButton, t->feedbackButton(), t->firstSeparator()},
        {IntelButton, t->intelButton(), t->firstSeparator()},
        {AmdButton, t->amdButton(), t->firstSeparator()},
        {NvidiaButton, t->nvidiaButton(), t->firstSeparator()},
    };
    for (const auto &row : table) {
        if (!hasType(row.bit))
            continue;
        row.button->show();
        if (row.separator)
            row.separator->show();
    }
    if (hasType(MaximizeButton)) {
        t->maximizeButton()->setVisible(!m_maximized);
        t->restoreButton()->setVisible(m_maximized);
    }
}

void CWindowsFrame::placeWindow()
{
    const QSize size = m_content ? m_content->size() : this->size();
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return;
    if (!m_parent) {
        setGeometry(centeredRect(size.width(), size.height(), m_screenIndex));
        return;
    }
    const QPoint p = m_parent->mapToGlobal(QPoint(0, 0));
    const int x = p.x() + m_parent->width() / 2 - size.width() / 2;
    const int y = p.y() + m_parent->height() / 2 - size.height() / 2;
    for (QScreen *screen : screens) {
        if (screen->geometry().contains(x, y)) {
            move(x, y);
            return;
        }
    }
    QScreen *screen = m_parent->screen() ? m_parent->screen() : screens.first();
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}

int CWindowsFrame::hitTest(const QPoint &pos, const QSize &size, bool maximized, const QWidget *child)
{
    if (!maximized) {
        const int w = size.width(), h = size.height(), x = pos.x(), y = pos.y();
        const bool left = x >= 0 && x < kBorder, right = x >= w - kBorder && x < w;
        const bool top = y >= 0 && y < kBorder, bottom = y >= h - kBorder && y < h;
        const bool midX = x >= kBorder && x <= w - kBorder - 1, midY = y >= kBorder && y <= h - kBorder - 1;
        if (left && top)
            return HTTOPLEFT;
        if (left && midY)
            return HTLEFT;
        if (right && top)
            return HTTOPRIGHT;
        if (right && midY)
            return HTRIGHT;
        if (midX && top)
            return HTTOP;
        if (left && bottom)
            return HTBOTTOMLEFT;
        if (right && bottom)
            return HTBOTTOMRIGHT;
        if (midX && bottom)
            return HTBOTTOM;
    }
    if (maximized)
        return HTCLIENT;
    if (!child || child->inherits("MyWindowTitle"))
        return HitCaption;
    return HTCLIENT;
}

void CWindowsFrame::setTitleBackgroundName(const QString &name)
{
    if (m_titleBar)
        m_titleBar->setBackgroundName(name);
}

void CWindowsFrame::setTitleAnimation(bool on)
{
    m_titleBar->animationLabel()->setVisible(on);
    if (on)
        m_titleBar->movie()->start();
    else
        m_titleBar->movie()->stop();
}

void CWindowsFrame::setGpuButtonsEnabled(bool enabled)
{
    if (hasType(IntelButton))
        m_titleBar->intelButton()->setEnabled(enabled);
    if (hasType(AmdButton))
        m_titleBar->amdButton()->setEnabled(enabled);
    if (hasType(NvidiaButton))
        m_titleBar->nvidiaButton()->setEnabled(enabled);
}

void CWindowsFrame::setFrameTypes(FrameTypes types) { m_types = types; }

void CWindowsFrame::enableIntelOnly(bool enabled)
{
    if (!hasType(IntelButton))
        return;
    m_titleBar->intelButton()->setEnabled(enabled);
    m_titleBar->amdButton()->setEnabled(false);
    m_titleBar->nvidiaButton()->setEnabled(false);
}

void CWindowsFrame::enableAmdOnly(bool enabled)
{
    if (!hasType(AmdButton))
        return;
    m_titleBar->amdButton()->setEnabled(enabled);
    m_titleBar->intelButton()->setEnabled(false);
    m_titleBar->nvidiaButton()->setEnabled(false);
}

void CWindowsFrame::enableNvidiaOnly(bool enabled)
{
    if (!hasType(NvidiaButton))
        return;
    m_titleBar->nvidiaButton()->setEnabled(enabled);
    m_titleBar->intelButton()->setEnabled(false);
    m_titleBar->amdButton()->setEnabled(false);
}

void CWindowsFrame::retranslateTitle()
{
    if (m_content) {
        setWindowTitle(m_content->windowTitle());
        m_titleBar->setTitleText(m_content->windowTitle());
    }
    m_titleBar->settingsButton()->setToolTip(tr("Settings"));
    m_titleBar->helpButton()->setToolTip(tr("Help center"));
    m_titleBar->feedbackButton()->setToolTip(tr("Feedback"));
}

void CWindowsFrame::reloadTitleSkin() { m_titleBar->loadSkin(); }

void CWindowsFrame::fitToContent()
{
    m_titleBar->applyScale();
    if (m_content)
        resize(m_content->width(), m_content->height() + m_titleBar->height() + 2 * kNormalMargin);
}

void CWindowsFrame::addTitleLeftWidget(QWidget *widget, int spacing) { m_titleBar->addLeftWidget(widget, spacing); }

void CWindowsFrame::addTitleMiddleWidget(QWidget *widget, int spacing)
{
    m_titleBar->addMiddleWidget(widget, spacing);
}

void CWindowsFrame::addTitleRightWidget(QWidget *widget, int spacing)
{
    m_titleBar->addRightWidget(widget, spacing);
}

void CWindowsFrame::setDragWidget(QWidget *widget)
{
    if (!widget)
        return;
    m_dragWidget = widget;
    widget->installEventFilter(this);
}

void CWindowsFrame::ChangeSkinSlot() { reloadTitleSkin(); }

void CWindowsFrame::ShowMaxRestore()
{
    if (m_maximized) {
        m_layout->setContentsMargins(kNormalMargin, kNormalMargin, kNormalMargin, kNormalMargin);
        setGeometry(m_normalGeometry);
    } else {
        m_layout->setContentsMargins(0, 0, 0, 0);
        m_normalGeometry = geometry();
        QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
        if (s)
            setGeometry(s->availableGeometry());
    }
    m_maximized = !m_maximized;
    m_drag->setEnabled(!m_maximized);
    m_titleBar->maximizeButton()->setVisible(hasType(MaximizeButton) && !m_maximized);
    m_titleBar->restoreButton()->setVisible(hasType(MaximizeButton) && m_maximized);
}

void CWindowsFrame::workAreaResizedSlot(int)
{
    if (m_maximized && QGuiApplication::primaryScreen())
        setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
}

void CWindowsFrame::TitleButtonSlot()
{
    if (QObject *button = sender(); button && button->inherits("QAbstractButton"))
        emit Option(FrameTypes(button->property("BUTTON_TYPE").toInt()));
}

bool CWindowsFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_content && event->type() == QEvent::Close) {
        // Closing the content closes the frame instead.
        closeFrame();
        event->ignore();
        return true;
    }
    if (!m_titleBar || (watched != m_titleBar && (!m_dragWidget || watched != m_dragWidget)))
        return CAbstractFrame::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        if (m_doubleClickMaximize && static_cast<QMouseEvent *>(event)->buttons() == Qt::LeftButton)
            ShowMaxRestore();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        // A maximised frame stays where it is.
        if (!m_maximized)
            m_drag->handleEvent(event);
        return true;
    default:
        // Everything else (polish, layout, paint) goes on as usual.
        return CAbstractFrame::eventFilter(watched, event);
    }
}

void CWindowsFrame::paintEvent(QPaintEvent *)
{
    if (m_shadow.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(rect(), m_shadow);
}

void CWindowsFrame::showEvent(QShowEvent *event)
{
    if (m_content)
        m_titleBar->setPalette(m_content->palette());
    CAbstractFrame::showEvent(event);
}

void CWindowsFrame::mousePressEvent(QMouseEvent *event)
{
    // Only the thin margin around the content reaches the frame itself:
    // its edges resize, the rest moves the window.
    const int zone = hitTest(event->pos(), size(), m_maximized || isMaximized(), childAt(event->pos()));
    Qt::Edges edges;
    switch (zone) {
    case HTTOPLEFT: edges = Qt::TopEdge | Qt::LeftEdge; break;
    case HTLEFT: edges = Qt::LeftEdge; break;
    case HTTOPRIGHT: edges = Qt::TopEdge | Qt::RightEdge; break;
    case HTRIGHT: edges = Qt::RightEdge; break;
    case HTTOP: edges = Qt::TopEdge; break;
    case HTBOTTOMLEFT: edges = Qt::BottomEdge | Qt::LeftEdge; break;
    case HTBOTTOMRIGHT: edges = Qt::BottomEdge | Qt::RightEdge; break;
    case HTBOTTOM: edges = Qt::BottomEdge; break;
    default: break;
    }
    if (edges && event->button() == Qt::LeftButton && windowHandle() && windowHandle()->startSystemResize(edges))
        return;
    if (zone == HitCaption && m_drag->handleEvent(event))
        return;
    CAbstractFrame::mousePressEvent(event);
}

void CWindowsFrame::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_drag->handleEvent(event))
        CAbstractFrame::mouseMoveEvent(event);
}

void CWindowsFrame::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_drag->handleEvent(event))
        CAbstractFrame::mouseReleaseEvent(event);
}
