#include "myframe.h"

#include "core/myconfig.h"
#include "mybutton.h"
#include "skinmanager.h"
#include "titlebar.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVariant>

namespace {
int scaled(double size) { return int(size * g_dscale); }

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
    setProperty("STYLE_KEY", QStringLiteral("HOME_BACK"));
    setAttribute(Qt::WA_MouseTracking);
}

MyFrame::~MyFrame()
{
    // Only the main frame's size is the one to come back to.
    if (isMainFrame() && g_myConfig) {
        g_myConfig->setWidth(width());
        g_myConfig->setHeight(height());
    }
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
    titleBar()->minimizeButton()->setToolTip(tr("Minimize"));
    titleBar()->closeButton()->setToolTip(tr("Close"));
    reloadTitleSkin();
    fitToContent();
}

void MyFrame::setMainTitle(int)
{
    titleBar()->setTitleText(tr("Olvex Free Mirelo"));
    titleBar()->setTitleIcon(logoPixmap());
}

void MyFrame::retranslateTitle()
{
    CWindowsFrame::retranslateTitle();
    titleBar()->minimizeButton()->setToolTip(tr("Minimize"));
    titleBar()->closeButton()->setToolTip(tr("Close"));
}

void MyFrame::reloadTitleSkin()
{
    titleBar()->closeButton()->setImageMap(
        stateImages(QStringLiteral("image/closewindow-normal_free.png"), QStringLiteral("image/closewindow-on_free.png")));
    titleBar()->minimizeButton()->setImageMap(
        stateImages(QStringLiteral("image/minwindow-normal_free.png"), QStringLiteral("image/minwindow-hover_free.png")));
}

void MyFrame::fitToContent()
{
    TitleBar *bar = titleBar();
    bar->setFixedWidth(width() - 20);
    bar->setFixedHeight(scaled(50));
    bar->minimizeButton()->setFixedSize(scaled(30), scaled(20));
    bar->closeButton()->setFixedSize(scaled(30), scaled(20));
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
