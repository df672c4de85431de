#include "camerawindow.h"
#include "historylist.h"

#include "ui_camerawindow.h"

#include "cameralist.h"
#include "sourcerequests.h"
#include "core/enginebinding.h"
#include "core/enviroment.h"
#include "core/globaldefs.h"
#include "core/imagelimit.h"
#include "cplaywidget.h"
#include "framelessdrag.h"
#include "skinmanager.h"
#include "windowstacking.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QWindow>

CameraWindow *g_cameraWindow = nullptr;

namespace {
constexpr int kBorder = 4;
constexpr int kMinWidth = 80;
constexpr int kMinHeight = 60;

// The window manager's "above" state on the existing native window: the
// engine keeps drawing into the preview's window id.
void setAbove(QWidget *window, bool above)
{
    window->winId();
    WindowStacking::instance()->setStaysOnTop(window->windowHandle(), above);
}

CameraWindow::HistoryFn &history()
{
    static CameraWindow::HistoryFn fn;
    return fn;
}

Qt::Edges edgesOf(int zone)
{
    switch (zone) {
    case HTLEFT: return Qt::LeftEdge;
    case HTRIGHT: return Qt::RightEdge;
    case HTTOP: return Qt::TopEdge;
    case HTBOTTOM: return Qt::BottomEdge;
    case HTTOPLEFT: return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT: return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT: return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT: return Qt::BottomEdge | Qt::RightEdge;
    default: return {};
    }
}

QString buttonStyle(const QString &folder, const QString &base, const QString &normalExt, const char *third,
                    bool disabled)
{
    QString s = QStringLiteral("QPushButton{border-image: url(%1%2-normal%3)}\n"
                               "QPushButton:hover{border-image: url(%1%2-hover%3)}\n"
                               "QPushButton:%4{border-image: url(%1%2-press.png)}")
                    .arg(folder, base, normalExt, QLatin1String(third));
    if (disabled)
        s += QStringLiteral("\nQPushButton:disabled{border-image: url(%1%2-disable.png)}").arg(folder, base);
    return s;
}
} // namespace

void CameraWindow::setHistoryRecorder(HistoryFn fn)
{
    history() = std::move(fn);
}

CameraWindow::CameraWindow(QWidget *parent) : QDialog(nullptr), ui(new Ui::CameraWindowClass)
{
    // Always a top-level window of its own, whoever made it.
    Q_UNUSED(parent);
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    ui->cameraWnd->installEventFilter(this);
    m_drag = new FramelessDrag(this);

    buildToolFrame();
    buildMenu();

    if (g_enviroment && g_enviroment->privateData->CameraRect.isValid())
        setGeometry(g_enviroment->privateData->CameraRect);
}

CameraWindow::~CameraWindow()
{
    delete m_menu;
    delete m_toolFrame;
    delete ui;
}

CPlayWidget *CameraWindow::cameraWidget() const
{
    return ui->cameraWnd;
}

void CameraWindow::buildToolFrame()
{
    const double s = g_dscale;
    m_toolFrame = new QFrame(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    m_toolFrame->setObjectName(QStringLiteral("frmCameraWindow"));
    m_toolFrame->setWindowOpacity(0.9);
    auto *layout = new QHBoxLayout(m_toolFrame);
    layout->setSpacing(6);
    auto makeButton = [&](const char *name, bool checkable) {
        auto *b = new QPushButton(m_toolFrame);
        b->setObjectName(QLatin1String(name));
        b->setCheckable(checkable);
        b->setFixedSize(int(20 * s), int(20 * s));
        b->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(b);
        return b;
    };
    m_btnStickyOnTop = makeButton("btnStickyOnTop", true);
    m_btnFlipHorz = makeButton("btnFlipHorz", true);
    m_btnCameraSettings = makeButton("btnCameraSettings", false);
    m_btnTransparency = makeButton("btnTransparency", false);
    m_btnTakePhoto = makeButton("btnTakePhoto", false);
    m_btnCameraFrameClose = makeButton("btnCameraFrameClose", false);
    m_toolFrame->setFixedSize(int(160 * s), int(40 * s));
    applyButtonStyles();
    m_toolFrame->hide();
    // The strip is a window of its own: it hears the pointer leave it.
    m_toolFrame->installEventFilter(this);

    connect(m_btnStickyOnTop, &QPushButton::clicked, this, &CameraWindow::actStickyOnTopTriggered);
    connect(m_btnFlipHorz, &QPushButton::clicked, this, &CameraWindow::actFlipHorzTriggered);
    connect(m_btnTakePhoto, &QPushButton::clicked, this, &CameraWindow::takePhoto);
    connect(m_btnCameraFrameClose, &QPushButton::clicked, this, &CameraWindow::slotWidgetHide);
    connect(m_btnCameraSettings, &QPushButton::clicked, this, &CameraWindow::sigShowCameraSettings);
    connect(m_btnTransparency, &QPushButton::clicked, this, &CameraWindow::slotShowTransparencymenu);

    // The tool frame belongs to the webcam window: the window manager keeps
    // it above it.
    winId();
    m_toolFrame->winId();
    if (m_toolFrame->windowHandle() && windowHandle())
        m_toolFrame->windowHandle()->setTransientParent(windowHandle());
}

void CameraWindow::applyButtonStyles()
{
    const QString f = SkinManager::instance()->skinPath() + QStringLiteral("image/");
    m_btnStickyOnTop->setStyleSheet(buttonStyle(f, QStringLiteral("stickyontop"), QStringLiteral(".PNG"), "checked", false));
    m_btnFlipHorz->setStyleSheet(buttonStyle(f, QStringLiteral("fliphorizontal"), QStringLiteral(".png"), "checked", false));
    m_btnCameraSettings->setStyleSheet(buttonStyle(f, QStringLiteral("camerasetting"), QStringLiteral(".png"), "pressed", false));
    m_btnTransparency->setStyleSheet(buttonStyle(f, QStringLiteral("transparency"), QStringLiteral(".png"), "pressed", false));
    m_btnTakePhoto->setStyleSheet(buttonStyle(f, QStringLiteral("camerashotcut"), QStringLiteral(".png"), "pressed", true));
    m_btnCameraFrameClose->setStyleSheet(buttonStyle(f, QStringLiteral("cameraclose"), QStringLiteral(".png"), "pressed", false));
}

void CameraWindow::buildMenu()
{
    // Not a child: the window's own white style sheet would reach the menu.
    m_menu = new QMenu;
    m_actSettings = m_menu->addAction(QString());
    m_transparencyMenu = m_menu->addMenu(QString());
    m_transparencyMenu->setWindowFlags(m_transparencyMenu->windowFlags() | Qt::FramelessWindowHint);
    m_actSticky = m_menu->addAction(QString());
    m_actSticky->setCheckable(true);
    m_actPhoto = m_menu->addAction(QString());
    m_actFlip = m_menu->addAction(QString());
    m_actFlip->setCheckable(true);
    m_actClose = m_menu->addAction(QString());
    retranslate();

    m_transparencyGroup = new QActionGroup(this);
    m_transparencyGroup->setExclusive(true);
    for (int i = 1; i <= 10; ++i) {
        QAction *a = m_transparencyMenu->addAction(QStringLiteral("%1%").arg(i * 10));
        a->setCheckable(true);
        a->setData(i);
        a->setChecked(i == 10);
        m_transparencyGroup->addAction(a);
    }

    connect(m_transparencyGroup, &QActionGroup::triggered, this, &CameraWindow::actTransparencyTriggered);
    connect(m_actSticky, &QAction::triggered, this, &CameraWindow::actStickyOnTopTriggered);
    connect(m_actFlip, &QAction::triggered, this, &CameraWindow::actFlipHorzTriggered);
    connect(m_actPhoto, &QAction::triggered, this, &CameraWindow::takePhoto);
    connect(m_actClose, &QAction::triggered, this, &CameraWindow::slotWidgetHide);
    connect(m_actSettings, &QAction::triggered, this, &CameraWindow::sigShowCameraSettings);
}

void CameraWindow::retranslate()
{
    m_actSettings->setText(tr("Camera Settings"));
    m_transparencyMenu->setTitle(tr("Transparency"));
    m_actSticky->setText(tr("Sticky on Top"));
    m_actPhoto->setText(tr("Take Photo"));
    m_actFlip->setText(tr("Flip Horizontal"));
    m_actClose->setText(tr("Close"));
    m_btnStickyOnTop->setToolTip(tr("Sticky on Top"));
    m_btnFlipHorz->setToolTip(tr("Flip Horizontal"));
    m_btnCameraSettings->setToolTip(tr("Camera Settings"));
    m_btnTransparency->setToolTip(tr("Transparency"));
    m_btnTakePhoto->setToolTip(tr("Take Photo"));
}

int CameraWindow::borderZone(const QPoint &pos, const QSize &size)
{
    const int x = pos.x(), y = pos.y(), w = size.width(), h = size.height();
    if (x < kBorder && y < kBorder)
        return HTTOPLEFT;
    if (x >= w - kBorder && y < kBorder)
        return HTTOPRIGHT;
    if (x < kBorder && y >= h - kBorder)
        return HTBOTTOMLEFT;
    if (x >= w - kBorder && y >= h - kBorder)
        return HTBOTTOMRIGHT;
    if (x < kBorder)
        return HTLEFT;
    if (x >= w - kBorder)
        return HTRIGHT;
    if (y < kBorder)
        return HTTOP;
    if (y >= h - kBorder)
        return HTBOTTOM;
    return HTNOWHERE;
}

QPoint CameraWindow::placement(int position, const QSize &size, const QRect &reference, int bottomGap)
{
    const int w = size.width(), h = size.height();
    const int right = reference.x() + reference.width() - w;
    const int lower = reference.y() + reference.height() - bottomGap - h;
    switch (position) {
    case 1: return QPoint(right, lower);
    case 2: return QPoint(right, reference.y());
    case 3: return QPoint(reference.x(), lower);
    case 4: return reference.topLeft();
    default: return QPoint(reference.x() + (reference.width() - w) / 2, reference.y() + (reference.height() - h) / 2);
    }
}

void CameraWindow::setStickyOnTop(bool on)
{
    setAbove(this, on);
    setAbove(m_toolFrame, on);
    m_actSticky->setChecked(on);
    m_btnStickyOnTop->setChecked(on);
}

void CameraWindow::setCloseButtonVisible(bool visible)
{
    m_btnCameraFrameClose->setVisible(visible);
}

void CameraWindow::actTransparencyTriggered(QAction *action)
{
    if (action)
        setWindowOpacity(action->data().toInt() / 10.0);
}

void CameraWindow::actStickyOnTopTriggered()
{
    // From the context menu the action carries the new state, from the tool
    // frame the button does.
    const bool on = sender() == m_actSticky ? m_actSticky->isChecked() : m_btnStickyOnTop->isChecked();
    setStickyOnTop(on);
}

void CameraWindow::actFlipHorzTriggered()
{
    const bool on = sender() == m_actFlip ? m_actFlip->isChecked() : m_btnFlipHorz->isChecked();
    m_actFlip->setChecked(on);
    m_btnFlipHorz->setChecked(on);
    if (g_cameraList)
        g_cameraList->setFlip(on);
}

void CameraWindow::slotShowTransparencymenu()
{
    auto *button = qobject_cast<QWidget *>(sender());
    m_transparencyMenu->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    m_transparencyMenu->setAttribute(Qt::WA_TranslucentBackground);
    const QPoint at = button ? button->mapToGlobal(QPoint(0, button->height() - 5)) : QCursor::pos();
    m_transparencyMenu->exec(at);
}

void CameraWindow::slotWidgetHide()
{
    const QObject *from = sender();
    m_menu->hide();
    m_transparencyMenu->hide();
    hide();
    m_toolFrame->hide();
    if (from && (from == m_actClose || from == m_btnCameraFrameClose))
        SourceRequests::instance()->closeCamera();
}

void CameraWindow::takePhoto()
{
    const QString folder = g_enviroment ? g_enviroment->output()->ScreenshotsFolder : QString();
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        QMessageBox::critical(this, QCoreApplication::applicationName(),
                              tr("The location of screenshot files is not valid, please reselect it in settings."),
                              QMessageBox::Ok);
        return;
    }
    const QString path = g_enviroment->output()->newSnapshotFilePath();
    if (engineTakeCameraPhoto(path) < 0) {
        // Nothing was written: no picture to show and nothing to record.
        QMessageBox::critical(this, QCoreApplication::applicationName(), tr("The photo could not be taken."),
                              QMessageBox::Ok);
        return;
    }
    showPhoto(path);
    const QSize size = g_cameraList ? g_cameraList->currentFormatSize() : QSize(-1, -1);
    if (history())
        history()(2, path, size, 0, QFileInfo(path).size());
    else if (g_historyList)
        g_historyList->addItem(HistoryItem::Screenshot, path, size, 0, QFileInfo(path).size());
}

void CameraWindow::showPhoto(const QString &path)
{
    const QImage photo = ImageLimit::read(path);
    const QPixmap picture = photo.isNull() ? grab() : QPixmap::fromImage(photo);
    if (m_photoLabel)
        m_photoLabel->deleteLater();
    m_photoLabel = new QLabel(this);
    m_photoLabel->setObjectName(QStringLiteral("photoLabel"));
    // Native, so it shows above the native preview surface.
    m_photoLabel->setAttribute(Qt::WA_NativeWindow);
    m_photoLabel->setScaledContents(true);
    m_photoLabel->setPixmap(picture);
    m_photoLabel->setGeometry(rect());
    m_photoLabel->raise();
    m_photoLabel->show();
    auto *animation = new QPropertyAnimation(m_photoLabel, "geometry", m_photoLabel);
    animation->setDuration(300);
    animation->setStartValue(QRect(0, 0, width(), height()));
    animation->setEndValue(QRect(width() / 2, height() / 2, 1, 1));
    connect(animation, &QPropertyAnimation::finished, this, &CameraWindow::animationFinished);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void CameraWindow::animationFinished()
{
    if (m_photoLabel)
        m_photoLabel->hide();
}

void CameraWindow::placeToolFrame()
{
    const QRect g = geometry();
    m_toolFrame->move(g.x() + g.width() - 10 - m_toolFrame->width(), g.y() + 13);
}

bool CameraWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Enter:
        placeToolFrame();
        m_toolFrame->show();
        break;
    case QEvent::Leave:
        if (!m_toolFrame->geometry().contains(QCursor::pos()))
            m_toolFrame->hide();
        break;
    default:
        break;
    }
    return QDialog::event(event);
}

void CameraWindow::moveEvent(QMoveEvent *event)
{
    placeToolFrame();
    QDialog::moveEvent(event);
    emit rectChanged(geometry());
}

void CameraWindow::resizeEvent(QResizeEvent *event)
{
    placeToolFrame();
    QDialog::resizeEvent(event);
    emit rectChanged(geometry());
}

void CameraWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (g_cameraList)
        g_cameraList->openCurrentPreview(ui->cameraWnd);
    emit visibleChanged(true);
}

void CameraWindow::hideEvent(QHideEvent *event)
{
    // However the window goes (the main window hides it for its own
    // windows too), its strip and menus go with it.
    m_toolFrame->hide();
    m_transparencyMenu->hide();
    m_menu->hide();
    QDialog::hideEvent(event);
    if (g_cameraList)
        g_cameraList->closeCamera();
    emit visibleChanged(false);
}

bool CameraWindow::startResize(QMouseEvent *event, const QPoint &windowPos)
{
    if (event->button() != Qt::LeftButton)
        return false;
    const int zone = borderZone(windowPos, size());
    if (zone == HTNOWHERE)
        return false;
    if (windowHandle() && windowHandle()->startSystemResize(edgesOf(zone)))
        return true;
    m_resizeZone = zone;
    m_resizeStart = geometry();
    m_resizePress = event->globalPos();
    return true;
}

bool CameraWindow::followResize(QMouseEvent *event)
{
    if (!m_resizeZone)
        return false;
    if (!(event->buttons() & Qt::LeftButton)) {
        m_resizeZone = 0;
        return false;
    }
    const QPoint d = event->globalPos() - m_resizePress;
    QRect r = m_resizeStart;
    const Qt::Edges edges = edgesOf(m_resizeZone);
    if (edges & Qt::LeftEdge)
        r.setLeft(qMin(r.left() + d.x(), r.right() - kMinWidth + 1));
    if (edges & Qt::RightEdge)
        r.setRight(qMax(r.right() + d.x(), r.left() + kMinWidth - 1));
    if (edges & Qt::TopEdge)
        r.setTop(qMin(r.top() + d.y(), r.bottom() - kMinHeight + 1));
    if (edges & Qt::BottomEdge)
        r.setBottom(qMax(r.bottom() + d.y(), r.top() + kMinHeight - 1));
    setGeometry(r);
    return true;
}

bool CameraWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Off the strip and not back over the picture: the strip goes.
    if (watched == m_toolFrame) {
        if (event->type() == QEvent::Leave && !frameGeometry().contains(QCursor::pos()))
            m_toolFrame->hide();
        return false;
    }
    if (watched != ui->cameraWnd)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *e = static_cast<QMouseEvent *>(event);
        // The border reaches into the picture: its edge resizes too.
        if (startResize(e, ui->cameraWnd->mapTo(this, e->pos())))
            return true;
        return m_drag->handleEvent(event);
    }
    case QEvent::MouseMove:
        return followResize(static_cast<QMouseEvent *>(event)) || m_drag->handleEvent(event);
    case QEvent::MouseButtonRelease:
        if (m_resizeZone) {
            m_resizeZone = 0;
            return true;
        }
        return m_drag->handleEvent(event);
    case QEvent::WinIdChange:
        // The engine draws into the old window id: hand it the new one.
        if (isVisible() && g_cameraList)
            g_cameraList->openCurrentPreview(ui->cameraWnd);
        break;
    case QEvent::ContextMenu:
        m_menu->exec(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void CameraWindow::mousePressEvent(QMouseEvent *event)
{
    if (!startResize(event, event->pos()))
        QDialog::mousePressEvent(event);
}

void CameraWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (!followResize(event))
        QDialog::mouseMoveEvent(event);
}

void CameraWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_resizeZone)
        m_resizeZone = 0;
    else
        QDialog::mouseReleaseEvent(event);
}

void CameraWindow::contextMenuEvent(QContextMenuEvent *event)
{
    m_menu->exec(event->globalPos());
}
