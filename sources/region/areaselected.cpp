#include "areaselected.h"
#include "ui_areaselected.h"

#include "areaselecting.h"
#include "graphicdrawing.h"
#include "controllerapi.h"
#include "desktopoverlay.h"
#include "regiongeometry.h"
#include "regionowner.h"
#include "regionscreens.h"
#include "skinmanager.h"
#include "platform/compositingwatch.h"
#include "platform/pointerlayer.h"
#include "platform/windowshape.h"
#include "platform/windowstacking.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QScreen>
#include <QWindow>

AreaSelected *g_areaSelected = nullptr;

namespace {

// A desktop overlay: it lies on the desktop's own coordinates over panels
// and docks, and no window manager's frame around it takes the pointer
// outside its input shape. It takes the keyboard only once clicked (the
// text box of live drawing).
const DesktopOverlay::Options kOverlay = DesktopOverlay::FocusOnClick;
constexpr int kToolBarHeight = 43;

Qt::CursorShape cursorFor(int zone)
{
    switch (zone) {
    case region::ZoneMove:
        return Qt::SizeAllCursor;
    case region::ZoneLeft:
    case region::ZoneRight:
        return Qt::SizeHorCursor;
    case region::ZoneTop:
    case region::ZoneBottom:
        return Qt::SizeVerCursor;
    case region::ZoneTopLeft:
    case region::ZoneBottomRight:
        return Qt::SizeFDiagCursor;
    case region::ZoneTopRight:
    case region::ZoneBottomLeft:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

AreaSelected::AreaSelected(QWidget *owner)
    : QDialog(owner), ui(new Ui::AreaSelectedClass), m_owner(owner)
{
    ui->setupUi(this);
    setWindowTitle(QCoreApplication::applicationName());
    DesktopOverlay::make(this, kOverlay);
    setAttribute(Qt::WA_TranslucentBackground);
    // A compositor switched off would show every transparent pixel black
    // until the window is cut again; one switched on shows the whole window,
    // whose pixels beyond the cut were never drawn: drawn at once.
    connect(CompositingWatch::instance(), &CompositingWatch::changed, this, [this] {
        updateShape();
        if (isVisible())
            repaint();
    });

    m_animation = new QPropertyAnimation(this, "selectedRect", this);
    m_animation->setDuration(300);
    connect(m_animation, &QPropertyAnimation::valueChanged, this, [this] { layoutPass(); });

    setFullScreen();
    setGeometry(m_screenRect);
    // The tool bar keeps clear of panels that come, go or change.
    for (QScreen *screen : QGuiApplication::screens())
        watchScreen(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, [this](QScreen *screen) {
        watchScreen(screen);
        if (isVisible())
            refreshFreeAreas();
    });

    m_menu = new QMenu(this);
    m_actFullScreen = m_menu->addAction(QString(), this, &AreaSelected::actFullScreenTriggered);
    m_act1080 = m_menu->addAction(QString(), this, &AreaSelected::act1920_1080Triggered);
    m_act720 = m_menu->addAction(QString(), this, &AreaSelected::act1280_720Triggered);
    m_act480 = m_menu->addAction(QString(), this, &AreaSelected::act854_480Triggered);
    m_menu->addSeparator();
    m_act1024 = m_menu->addAction(QString(), this, &AreaSelected::act1024_768Triggered);
    m_act640 = m_menu->addAction(QString(), this, &AreaSelected::act640_480Triggered);
    m_actCustomize = m_menu->addAction(QString(), this, &AreaSelected::actShowCustomSelectArea);

    connect(ui->btnSelectArea, &QToolButton::clicked, this, &AreaSelected::btnSelectAreaClick);
    connect(ui->btnMaximum, &QToolButton::clicked, this, &AreaSelected::btnMaximumClick);
    connect(ui->btnAreaSize, &QPushButton::clicked, this, &AreaSelected::btnAreaSizeClick);

    setMouseTracking(true);
    ui->frmWindowHint->setMouseTracking(true);
    // The input layer paints nothing: X gives it the pointer through the
    // window's input shape, whatever its pixels.
    ui->clientWidget->hide();
    ui->frmWindowHint->setProperty("STYLE_KEY", QStringLiteral("AREA_TOOLBAR"));
    ui->btnSelectArea->setProperty("STYLE_KEY", QStringLiteral("AREA_SELECT_BTN"));
    ui->btnMaximum->setProperty("STYLE_KEY", QStringLiteral("AREA_MAXIMUM_BTN"));
    ui->btnAreaSize->setProperty("STYLE_KEY", QStringLiteral("AREA_SIZE_BTN"));
    m_moveIcon = QPixmap(SkinManager::instance()->skinPath() + QStringLiteral("image/movescreen.png"));
    createDrawing();
    ui->btnAreaSize->setStyleSheet(QStringLiteral("font-size:16px;"));
    retranslateUi();
    layoutPass();
}

AreaSelected::~AreaSelected()
{
    if (g_areaSelected == this)
        g_areaSelected = nullptr;
    delete m_drawing;
    delete ui;
}

QRect AreaSelected::localSelectedRect() const
{
    return m_selectedRect.translated(-region::selectedScreen().topLeft());
}

void AreaSelected::setSelectedRect(const QRect &rect)
{
    // One animation: a new change takes over from a running one, so two
    // never write the region in turn.
    m_animation->stop();
    if (isVisible()) {
        m_animation->setStartValue(m_selectedRect);
        m_animation->setEndValue(rect);
        m_animation->start();
    } else {
        m_selectedRect = rect;
        layoutPass();
    }
}

void AreaSelected::setSelectedRectImmediately(const QRect &rect)
{
    m_animation->stop();
    m_selectedRect = rect;
    layoutPass();
}

void AreaSelected::setScreenRect(const QRect &rect)
{
    m_screenRect = rect;
    setMaximumSize(rect.size());
}

// The pointer zones along the edges come and go with it.
void AreaSelected::setFullScreenMode(bool on)
{
    m_fullScreen = on;
    updateShape();
}

bool AreaSelected::isFullScreen() const
{
    return m_selectedRect == m_screenRect || m_fullScreen;
}

void AreaSelected::setShowBoundary(bool on)
{
    m_showBoundary = on;
    update();
}

void AreaSelected::setAllowMoveRegion(bool on)
{
    m_allowMoveRegion = on;
    update();
}

void AreaSelected::setParentVisible(bool visible)
{
    // Only the owner as parent: in recording mode the frame has none.
    if (auto *owner = dynamic_cast<RegionOwner *>(parentWidget()))
        owner->setFrameVisible(visible);
}

void AreaSelected::retranslateUi()
{
    ui->retranslateUi(this);
    // A language brings its own font.
    fitToolBar();
    const QRect screen = region::selectedScreen();
    m_menu->setTitle(tr("Fixed region"));
    m_actFullScreen->setText(tr("%1x%2 (FullScreen)").arg(screen.width()).arg(screen.height()));
    m_act1080->setText(QStringLiteral("1920x1080 (1080p)"));
    m_act720->setText(QStringLiteral("1280x720 (720p)"));
    m_act480->setText(QStringLiteral("854x480 (480p)"));
    m_act1024->setText(QStringLiteral("1024x768"));
    m_act640->setText(QStringLiteral("640x480"));
    m_actCustomize->setText(tr("Customize"));
    ui->btnSelectArea->setToolTip(tr("Select region/window"));
    ui->btnMaximum->setToolTip(tr("Full Screen"));
    ui->btnAreaSize->setText(QStringLiteral("%1 x %2").arg(m_selectedRect.width()).arg(m_selectedRect.height()));
}

void AreaSelected::layoutPass()
{
    const QRect &r = m_selectedRect;
    m_leftEdge = r.left() <= m_screenRect.left();
    m_rightEdge = r.right() >= m_screenRect.right();
    m_topEdge = r.top() <= m_screenRect.top();
    m_bottomEdge = r.bottom() >= m_screenRect.bottom();
    updateDrawingArea();
    ui->clientWidget->setGeometry(toLocal(r));
    if (!m_recordingMode) {
        placeToolBar();
        ui->btnAreaSize->setText(QStringLiteral("%1 x %2").arg(r.width()).arg(r.height()));
    }
    repaint();
    updateShape();
    emit selectedRectChanged(m_selectedRect);
}

// The size button keeps room for the largest size the panel takes, so no
// region's size is ever cut off, at any scale.
void AreaSelected::fitToolBar()
{
    QPushButton *size = ui->btnAreaSize;
    size->setText(QStringLiteral("%1 x %1").arg(region::kLargestSide));
    ui->frmWindowHint->ensurePolished();
    size->setMinimumWidth(size->sizeHint().width());
    const int needed = ui->frmWindowHint->layout()->minimumSize().width();
    ui->frmWindowHint->setFixedSize(qMax(int(170 * g_dscale), needed), kToolBarHeight);
}

void AreaSelected::placeToolBar()
{
    ui->frmWindowHint->setGeometry(toLocal(
        region::toolBarRect(ui->frmWindowHint->size(), m_selectedRect, m_screenRect, m_monitors, m_freeAreas)));
}

// Read when the frame shows and when a work area changes, not at each
// layout pass: a drag lays out at every pointer step.
void AreaSelected::refreshFreeAreas()
{
    m_monitors = region::monitors();
    m_freeAreas = region::freeAreas();
    if (!m_recordingMode)
        placeToolBar();
}

void AreaSelected::watchScreen(QScreen *screen)
{
    connect(screen, &QScreen::availableGeometryChanged, this, [this] {
        if (isVisible())
            refreshFreeAreas();
    });
}

void AreaSelected::setFullScreen()
{
    setScreenRect(region::desktop());
    setSelectedRect(m_screenRect);
    m_fullScreen = true;
}

void AreaSelected::setRatioLocked(bool locked)
{
    m_ratioLocked = locked;
    if (locked)
        m_ratio = region::safeRatio(m_selectedRect.width(), m_selectedRect.height());
}

void AreaSelected::actFullScreenTriggered()
{
    setFullScreen();
}

void AreaSelected::applyPreset(int width, int height)
{
    setSelectedRect(region::presetRect(QSize(width, height), region::selectedScreen()));
    m_fullScreen = false;
    show();
}

void AreaSelected::act1920_1080Triggered() { applyPreset(1920, 1080); }
void AreaSelected::act1280_720Triggered() { applyPreset(1280, 720); }
void AreaSelected::act854_480Triggered() { applyPreset(854, 480); }
void AreaSelected::act1024_768Triggered() { applyPreset(1024, 768); }
void AreaSelected::act640_480Triggered() { applyPreset(640, 480); }

void AreaSelected::actShowCustomSelectArea()
{
    ControllerApi::instance()->setCustomAreaRequested(true);
    ControllerApi::instance()->showCustomSelectArea();
}

void AreaSelected::btnSelectAreaClick()
{
    if (!region::screenReadable(this))
        return;
    AreaSelecting::hideForPicture({this});
    {
        AreaSelecting picker(nullptr);
        // An empty pick (a click that ended level with its start) is no
        // pick: the region stays.
        if (picker.exec() == QDialog::Accepted && picker.selectedRect().width() >= 1
            && picker.selectedRect().height() >= 1) {
            setSelectedRect(picker.selectedRect());
            m_fullScreen = false;
        }
    }
    show();
}

void AreaSelected::btnMaximumClick()
{
    setFullScreen();
}

void AreaSelected::btnAreaSizeClick()
{
    QPushButton *button = ui->btnAreaSize;
    QPoint p = button->mapToGlobal(button->pos());
    p.ry() += button->height() / 2;
    p.rx() -= button->width() / 2;
    m_menu->exec(p);
}

void AreaSelected::setRecordingMode(bool on)
{
    ui->frmWindowHint->setVisible(!on);
    if (on && !m_recordingMode) {
        // Parentless, so the window manager ties it to no hidden main window.
        setParent(nullptr, DesktopOverlay::flags(kOverlay));
        winId();
        WindowStacking::instance()->setStaysOnTop(windowHandle(), true);
        raise();
    } else if (!on && m_recordingMode) {
        WindowStacking::instance()->setStaysOnTop(windowHandle(), false);
        setParent(m_owner, DesktopOverlay::flags(kOverlay));
        leaveDrawing();
    }
    m_recordingMode = on;
    if (!on)
        placeToolBar();
    update();
    updateShape();
}

bool AreaSelected::event(QEvent *event)
{
    const bool result = QDialog::event(event);
    // No window manager stacks an overlay: it goes on top when it shows
    // (the main window's part puts it back below the main window).
    if (event->type() == QEvent::Show) {
        // The program's windows are followed while the frame shows.
        qApp->installEventFilter(this);
        m_ownWindows = QRegion();
        updateOwnWindows();
        refreshFreeAreas();
        raise();
    }
    // A new native window starts without our shape.
    if (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show) {
        m_lastInput = QRegion();
        m_lastBounding = QRegion();
        m_shaped = false;
        m_bounded = true;
        updateShape();
    }
    return result;
}

void AreaSelected::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_pressed)
        return;
    m_animation->stop();
    // What lies under the press, whatever moves came before: after the
    // window manager moved another window of the program, Qt sends the
    // pointer's moves to that window until the next release.
    updateZone(toDesktop(event->pos()));
    m_pressed = true;
    m_lastPoint = toDesktop(event->pos());
    if (m_zone != region::ZoneNone)
        repaint();
}

void AreaSelected::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    repaint();
}

void AreaSelected::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = toDesktop(event->pos());
    if (m_selectedRect == m_screenRect || m_fullScreen)
        return;
    if (m_pressed) {
        if (m_zone == region::ZoneNone)
            return;
        const region::Steps steps =
            region::dragSteps(m_zone, m_selectedRect, p, m_lastPoint, m_ratioLocked, m_ratio);
        m_lastPoint = p;
        m_selectedRect = region::applySteps(m_selectedRect, steps, m_screenRect);
        layoutPass();
        return;
    }
    updateZone(p);
}

void AreaSelected::updateZone(const QPoint &p)
{
    int zone = region::ZoneNone;
    // A drawing tool takes the pointer away from the edges; a full-screen
    // region has none to drag.
    if (graphicType() == 0 && m_selectedRect != m_screenRect && !m_fullScreen
        && (!m_recordingMode || m_allowMoveRegion)) {
        zone = region::frameZone(m_selectedRect, p, m_ratioLocked, m_recordingMode);
        for (const QRect &r : qAsConst(m_moveRects)) {
            if (r.contains(p))
                zone = region::ZoneMove;
        }
    }
    if (zone != m_zone) {
        m_zone = zone;
        setCursor(cursorFor(zone));
        if (m_pointerLayer)
            m_pointerLayer->setCursorShape(cursorFor(zone));
    }
}

void AreaSelected::keyPressEvent(QKeyEvent *event)
{
    // Escape never closes the frame.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void AreaSelected::updateShape()
{
    if (!windowHandle() || !testAttribute(Qt::WA_WState_Created))
        return;
    WindowShape *shape = WindowShape::instance();
    const QRegion input = inputRegion();
    if (!m_shaped || input != m_lastInput) {
        shape->setInputRegion(windowHandle(), input);
        m_lastInput = input;
    }
    // Without a compositor the transparent pixels would show (and record)
    // black: the window is cut to what it paints. With one the whole window
    // shows, also after one started while it was cut.
    // Where the program's own windows lie the frame shows nothing either:
    // a compositing manager may paint it over them whatever the stacking.
    m_composited = shape->compositingManagerRunning();
    if (!m_composited || !m_ownWindows.isEmpty()) {
        const QRegion bounding = m_composited ? QRegion(rect()).subtracted(m_ownWindows) : paintedRegion();
        if (!m_shaped || !m_bounded || bounding != m_lastBounding) {
            shape->setBoundingRegion(windowHandle(), bounding);
            m_lastBounding = bounding;
            m_bounded = true;
        }
    } else if (m_bounded) {
        shape->clearBoundingRegion(windowHandle());
        m_lastBounding = QRegion();
        m_bounded = false;
    }
    m_shaped = true;
    updatePointerLayer();
}

// A cut window takes the pointer only where it shows, so neither the input
// layer inside the region nor the pointer zones beside the line can: the
// pointer layer takes what the cut leaves out (the text box and the shapes
// show, and take their own clicks).
void AreaSelected::updatePointerLayer()
{
    const QRegion area = isVisible() && !m_composited ? inputRegion().subtracted(paintedRegion()) : QRegion();
    if (area.isEmpty()) {
        if (m_pointerLayer && m_pointerLayer->isShown())
            m_pointerLayer->hide();
        return;
    }
    if (!m_pointerLayer) {
        m_pointerLayer = PointerLayer::create(this);
        m_pointerLayer->setCursorShape(cursorFor(m_zone));
        connect(m_pointerLayer, &PointerLayer::pointerEvent, this, &AreaSelected::forwardPointer);
    }
    const QRegion desktopArea = area.translated(m_screenRect.topLeft());
    if (!m_pointerLayer->isShown() || desktopArea != m_pointerLayer->area())
        m_pointerLayer->show(windowHandle(), desktopArea);
}

void AreaSelected::forwardPointer(QEvent::Type type, const QPoint &position, Qt::MouseButton button,
                                  Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    // A click on the window itself makes it the active one, so that typing
    // reaches the text box.
    if (type == QEvent::MouseButtonPress && !isActiveWindow())
        activateWindow();
    const QPoint local = position - m_screenRect.topLeft();
    QMouseEvent event(type, local, local, position, button, buttons, modifiers);
    QCoreApplication::sendEvent(this, &event);
}

void AreaSelected::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    qApp->removeEventFilter(this);
    updatePointerLayer();
}

// The program's windows that show over the desktop: its managed windows and
// its menus. Other overlays stack themselves.
void AreaSelected::updateOwnWindows()
{
    QRegion own;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w == this || !w->isVisible() || w->isMinimized() || DesktopOverlay::isOverlay(w)
            || w->windowType() == Qt::ToolTip || w->windowType() == Qt::Desktop)
            continue;
        // Where Qt has it: at once where the program moves it, before the
        // window manager has carried the move out (the program's windows
        // that a window manager places themselves get Qt told, KeepPlace).
        // Qt may keep frame margins it measured while the window manager
        // was still building its frame (openbox: a frame of 1x1, so the
        // margins swallow the window): the window itself counts then.
        const QRect outer = w->frameGeometry();
        own += outer.contains(w->geometry()) ? outer : w->geometry();
    }
    own = own.translated(-m_screenRect.topLeft()).intersected(rect());
    if (own == m_ownWindows)
        return;
    m_ownWindows = own;
    updateShape();
}

bool AreaSelected::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        if (watched != this && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow())
            updateOwnWindows();
        break;
    case QEvent::Expose:
        // A window shown is placed by the window manager by the time it
        // is exposed (Qt may not hear of that place).
        if (watched != windowHandle() && watched->isWindowType() && static_cast<QWindow *>(watched)->isTopLevel())
            updateOwnWindows();
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
