#include "myframe.h"

#include "core/myconfig.h"
#include "mirelo.h"
#include "sourcerequests.h"
#include "mybutton.h"
#include "platform/compositingwatch.h"
#include "platform/videodevicewatch.h"
#include "platform/windowshape.h"
#include "skinmanager.h"
#include "titlebar.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QPainter>
#include <QPainterPath>
#include <QVariant>

namespace {
constexpr int kCornerRadius = 16;     // not scaled
constexpr int kTitleBandHeight = 52;  // scaled, not truncated
// The skin may give the frame its own colours; these stand otherwise.
QColor frameColor(const char *name, const char *fallback)
{
    return SkinManager::instance()->color(QStringLiteral("Frame"), QString::fromLatin1(name), QColor(fallback));
}

// Normal, mouse over and pressed images from single files of the skin.
ImageStateMap stateImages(const QString &normal, const QString &on)
{
    const QString skin = SkinManager::instance()->skinPath();
    const int side = scaled(16);
    auto load = [&](const QString &name) {
        return QPixmap(skin + name).scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    };
    ImageStateMap map;
    map.insert(IMAGE_NORMAL, load(normal));
    map.insert(IMAGE_ON, load(on));
    map.insert(IMAGE_DOWN, load(on));
    return map;
}
} // namespace

MyFrame::MyFrame(QWidget *content, QWidget *parent, FrameTypes types, const QPixmap &icon, int screenIndex,
                 int titlePosition)
    : CCommonFrame(content, parent, types, icon, screenIndex, titlePosition)
{
    createTitleWidgets();
    if (isMainFrame())
        connectSignals();
    setStyleKeys();
    setAttribute(Qt::WA_MouseTracking);
    connect(CompositingWatch::instance(), &CompositingWatch::changed, this, [this] {
        shapeCorners();
        update();
    });
}

MyFrame::~MyFrame()
{
    // Only the main frame's size is the one to come back to.
    if (isMainFrame() && g_myConfig) {
        g_myConfig->setWidth(width());
        g_myConfig->setHeight(height());
    }
    delete m_menuButton;
}

QPixmap MyFrame::logoPixmap()
{
    return QPixmap(QStringLiteral("%1logo31.png").arg(SkinManager::instance()->skinPath() + QStringLiteral("image/")));
}

void MyFrame::createTitleWidgets()
{
    setTitleBackgroundName(QStringLiteral("mainframe"));
    setAttribute(Qt::WA_TranslucentBackground);
    // The title band is painted by the frame itself.
    titleBar()->setAutoFillBackground(false);
    if (isMainFrame()) {
        createModeButtons();
        createSettingsMenu();
        m_drawButton->hide();
        m_recordOptionButton->setToolTip(tr("Record option"));
        m_screenCaptureButton->setToolTip(tr("Screen capture"));
        m_drawButton->setToolTip(tr("Draw"));
    }
    titleBar()->minimizeButton()->setToolTip(tr("Minimize"));
    titleBar()->closeButton()->setToolTip(tr("Close"));
    reloadTitleSkin();
    fitToContent();
}

void MyFrame::createModeButtons()
{
    m_recordOptionButton = new QPushButton;
    m_recordOptionButton->setCheckable(true);
    m_separator1 = new QLabel;
    m_screenCaptureButton = new QPushButton;
    m_drawButton = new QPushButton;
    m_drawButton->setCheckable(true);
    m_separator2 = new QLabel;
    m_modeGroup = new QButtonGroup(this);
    m_modeGroup->addButton(m_recordOptionButton, 1);
    m_modeGroup->addButton(m_screenCaptureButton, 3);
    for (QPushButton *b : {m_recordOptionButton, m_screenCaptureButton, m_drawButton})
        b->setCursor(Qt::PointingHandCursor);

    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_recordOptionButton);
    layout->addSpacing(5);
    layout->addWidget(m_separator1);
    layout->addSpacing(5);
    layout->addWidget(m_screenCaptureButton);
    layout->addWidget(m_drawButton);
    layout->addSpacing(5);
    layout->addWidget(m_separator2);
    m_modeContainer = new QWidget;
    m_modeContainer->setObjectName(QStringLiteral("modeButtons"));
    m_modeContainer->setLayout(layout);
    insertRightTitleWidget(m_modeContainer, 0);
}

void MyFrame::connectSignals()
{
    connect(m_menuButton, &QPushButton::clicked, this, &MyFrame::SltShowSettingsMenu);
    connect(m_actBugReport, &QAction::triggered, this, &MyFrame::SltShowBugreport);
    connect(m_languageGroup, &QActionGroup::triggered, this, &MyFrame::SltLanguageChose);
    connect(m_actUserGuide, &QAction::triggered, this, &MyFrame::SltOpenUserGuideURL);
    connect(m_actAbout, &QAction::triggered, this, &MyFrame::SltShowAbout);
    connect(m_actUpdate, &QAction::triggered, this, &MyFrame::SltShowUpdate);
    // The main window's settings dialog: the content may be another window.
    connect(m_actSettings, &QAction::triggered, this, [this] {
        if (auto *main = qobject_cast<Mirelo *>(content()))
            main->showSettings();
    });
    connect(m_modeGroup, &QButtonGroup::idClicked, this, &MyFrame::SetMainFunMode);
    // Cameras plugged in or out: the list is read again.
    m_deviceWatch = new VideoDeviceWatch(this);
    connect(m_deviceWatch, &VideoDeviceWatch::devicesChanged, this,
            [] { SourceRequests::instance()->rescanCameras(); });
}

void MyFrame::setStyleKeys()
{
    setProperty("STYLE_KEY", QStringLiteral("HOME_BACK"));
    if (!isMainFrame())
        return;
    m_menuButton->setProperty("STYLE_KEY", QStringLiteral("SETTING"));
    m_settingsMenu->setProperty("STYLE_KEY", QStringLiteral("QMENU"));
    m_recordOptionButton->setProperty("STYLE_KEY", QStringLiteral("RECORDCONFIG_BTN"));
    m_screenCaptureButton->setProperty("STYLE_KEY", QStringLiteral("SCREENCUT_BTN"));
    m_drawButton->setProperty("STYLE_KEY", QStringLiteral("SCREENPAINT_BTN"));
    m_separator1->setProperty("STYLE_KEY", QStringLiteral("LINE_LABEL"));
    m_separator2->setProperty("STYLE_KEY", QStringLiteral("LINE_LABEL"));
}

void MyFrame::setScreenCaptureEnabled(bool enabled)
{
    if (m_screenCaptureButton)
        m_screenCaptureButton->setEnabled(enabled);
}

void MyFrame::setMainTitle(int)
{
    if (m_modeContainer)
        m_modeContainer->hide();
    if (m_menuButton)
        m_menuButton->show();
    titleBar()->setTitleText(tr("Olvex Free Mirelo"));
    titleBar()->setTitleIcon(logoPixmap());
}

void MyFrame::retranslateTitle()
{
    if (isMainFrame()) {
        m_actBugReport->setText(tr("Bug Report"));
        m_languageMenu->setTitle(tr("Language"));
        m_actUserGuide->setText(tr("User guide"));
        m_actAbout->setText(tr("About"));
        m_actUpdate->setText(tr("Check for update"));
        m_actSettings->setText(tr("Settings"));
        m_recordOptionButton->setToolTip(tr("Record option"));
        m_screenCaptureButton->setToolTip(tr("Screen capture"));
        m_drawButton->setToolTip(tr("Draw"));
    }
    CWindowsFrame::retranslateTitle();
    if (m_menuButton)
        m_menuButton->setToolTip(tr("Menu"));
    titleBar()->minimizeButton()->setToolTip(tr("Minimize"));
    titleBar()->closeButton()->setToolTip(tr("Close"));
}

void MyFrame::reloadTitleSkin()
{
    titleBar()->closeButton()->setImageMap(
        stateImages(QStringLiteral("image/closewindow-normal_free.png"), QStringLiteral("image/closewindow-on_free.png")));
    titleBar()->minimizeButton()->setImageMap(
        stateImages(QStringLiteral("image/minwindow-normal_free.png"), QStringLiteral("image/minwindow-hover_free.png")));
    if (m_menuButton)
        m_menuButton->setImageMap(
            stateImages(QStringLiteral("image/setting-normal_free.png"), QStringLiteral("image/setting-hover_free.png")));
}

void MyFrame::fitToContent()
{
    TitleBar *bar = titleBar();
    bar->setFixedWidth(width() - 20);
    bar->setFixedHeight(scaled(50));
    bar->minimizeButton()->setFixedSize(scaled(30), scaled(20));
    bar->closeButton()->setFixedSize(scaled(30), scaled(20));
    if (!isMainFrame())
        return;
    m_menuButton->setFixedSize(scaled(20), scaled(20));
    for (QPushButton *b : {m_recordOptionButton, m_screenCaptureButton, m_drawButton})
        b->setFixedSize(scaled(36), scaled(42));
    // The whole part of the scale: 1 pixel at 1.0 to 1.9.
    for (QLabel *l : {m_separator1, m_separator2})
        l->setFixedSize(int(g_dscale), scaled(38));
}

bool MyFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == content() && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        clipContentCorners();
    return CCommonFrame::eventFilter(watched, event);
}

// A content with a background of its own would show square corners over the
// rounded body: it is cut to the body's shape.
void MyFrame::clipContentCorners()
{
    QWidget *c = content();
    if (!c || c->parentWidget() != this)
        return;
    QPainterPath body;
    body.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), kCornerRadius - 1, kCornerRadius - 1);
    body.translate(-c->pos());
    c->setMask(QRegion(body.toFillPolygon().toPolygon()) & QRegion(c->rect()));
}

void MyFrame::resizeEvent(QResizeEvent *event)
{
    CCommonFrame::resizeEvent(event);
    shapeCorners();
}

// Without a compositing manager the transparent pixels beyond the rounded
// corners would show black: the window is then cut to its rounded body.
void MyFrame::shapeCorners()
{
    if (WindowShape::instance()->compositingManagerRunning()) {
        clearMask();
        return;
    }
    QPainterPath body;
    body.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
    setMask(QRegion(body.toFillPolygon().toPolygon()));
}

// The frame itself neither moves nor resizes: its title bar drags it.
void MyFrame::mousePressEvent(QMouseEvent *) {}
void MyFrame::mouseReleaseEvent(QMouseEvent *) {}
void MyFrame::mouseMoveEvent(QMouseEvent *) {}

void MyFrame::paintEvent(QPaintEvent *)
{
    const QColor background = frameColor("Background", "#E5E5E5");
    const QColor titleBand = frameColor("TitleBand", "#BAACF2");
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipping(true);
    const QPen pen(QBrush(background), 2, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);

    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    body.addRoundedRect(rect(), kCornerRadius, kCornerRadius);
    painter.setPen(pen);
    painter.fillPath(body, background);
    painter.drawPath(body);

    const int w = width();
    const double band = kTitleBandHeight * g_dscale;
    QPainterPath title;
    title.moveTo(32, 0);
    title.arcTo(0, 0, 32, 32, 90, 90);
    title.lineTo(0, band);
    title.lineTo(w, band);
    title.lineTo(w, 32);
    title.arcTo(w - 32, 0, 32, 32, 0, 90);
    title.lineTo(32, 0);
    painter.fillPath(title, titleBand);
    painter.drawPath(title);
}
