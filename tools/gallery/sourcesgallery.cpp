// Gallery pictures of the webcam list, window and settings dialog and of the
// two sound lists, with sample devices from the test engine.

#include "gallery.h"

#include "audiodevicelist.h"
#include "cameralist.h"
#include "camerasettings.h"
#include "camerawindow.h"
#include "core/enginebinding.h"
#include "cplaywidget.h"
#include "skinmanager.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLibrary>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>

namespace gallery {
namespace {


const char kSampleDevices[] =
    "cameras \"Integrated Camera\" \"USB Video Camera\"\n"
    "cameraids \"cam-0\" \"cam-1\"\n"
    "formats 1280x720@30/4 640x480@30/5 320x240@15/5\n"
    "audio 4 \"Monitor of Built-in Audio\" \"Monitor of HDMI Output\" \"Monitor of USB Headset\"\n"
    "audio 8 \"Built-in Audio Analog Stereo\" \"USB Headset Microphone\"\n"
    "current 4 0\ncurrent 8 1\n";

// The test engine with sample cameras and sound devices, loaded once.
void sampleEngine()
{
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    const QString path = QStringLiteral(MIRELO_GALLERY_ENGINE);
    if (!engineLoadFrom(path))
        return;
    using LoadScript = int (*)(const char *);
    if (auto load = reinterpret_cast<LoadScript>(QLibrary::resolve(path, "mireloTestEngineLoadScript")))
        load(kSampleDevices);
    engineInitialize(QString(), nullptr, nullptr);
}

CameraList *sampleCameraList()
{
    sampleEngine();
    // Rebuilt for every picture, so its sizes follow the current scale.
    delete g_cameraList;
    g_cameraList = new CameraList;
    return g_cameraList;
}

QWidget *picture(const QPixmap &pixmap)
{
    auto *label = new QLabel;
    label->setPixmap(pixmap);
    label->setFixedSize(pixmap.size());
    return label;
}

// A popup list drawn as shown under its button.
QWidget *popup(QWidget *list, int width)
{
    list->setWindowFlags(Qt::Widget);
    list->setFixedWidth(scaled(width));
    list->adjustSize();
    QPixmap pixmap = list->grab();
    delete list;
    return picture(pixmap);
}

// What the engine would draw into the preview.
QPixmap samplePreview(const QSize &size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(70, 110, 160));
    sky.setColorAt(1, QColor(190, 170, 140));
    p.fillRect(pixmap.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(60, 50, 45));
    p.setPen(Qt::NoPen);
    const int r = size.height() / 5;
    p.drawEllipse(QPoint(size.width() / 2, size.height() / 2 - r / 2), r, r);
    p.drawRoundedRect(QRect(size.width() / 2 - 2 * r, size.height() - 2 * r, 4 * r, 3 * r), r, r);
    return pixmap;
}

QWidget *makeCameraList()
{
    QWidget *picture = popup(sampleCameraList(), 190);
    g_cameraList = nullptr; // the popup went with its picture
    return picture;
}

QWidget *makeCameraWindow()
{
    sampleCameraList();
    CameraWindow window;
    window.resize(scaled(400), scaled(300));
    window.ensurePolished();
    QPixmap shot(window.size());
    shot.fill(Qt::white);
    {
        QPainter p(&shot);
        const QRect preview = QRect(2, 2, window.width() - 4, window.height() - 4);
        p.drawPixmap(preview.topLeft(), samplePreview(preview.size()));
        QFrame *tools = window.toolFrame();
        tools->ensurePolished();
        tools->adjustSize();
        const QPixmap toolShot = tools->grab();
        p.drawPixmap(window.width() - 10 - tools->width(), 13, toolShot);
    }
    QMenu *menu = window.transparencyMenu();
    menu->ensurePolished();
    menu->resize(menu->sizeHint());
    const QPixmap menuShot = menu->grab();
    QMenu *context = window.menu();
    context->ensurePolished();
    context->resize(context->sizeHint());
    const QPixmap contextShot = context->grab();

    auto *page = new QWidget;
    page->setProperty("STYLE_KEY", "COMMONDIALOG_WIDGET");
    page->setAttribute(Qt::WA_StyledBackground);
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(scaled(16), scaled(16), scaled(16), scaled(16));
    row->setSpacing(scaled(16));
    row->addWidget(picture(shot), 0, Qt::AlignTop);
    row->addWidget(picture(menuShot), 0, Qt::AlignTop);
    row->addWidget(picture(contextShot), 0, Qt::AlignTop);
    return page;
}

QWidget *makeCameraSettings()
{
    sampleCameraList();
    auto *dialog = new CameraSettings;
    // The preview area is the engine's: show what it would draw.
    auto *sample = new QLabel(dialog->cameraWidget());
    sample->setPixmap(samplePreview(dialog->cameraWidget()->size()));
    sample->resize(dialog->cameraWidget()->size());
    return dialog;
}

QWidget *makeSoundList(int type)
{
    sampleEngine();
    auto *list = new AudioDeviceList(nullptr, type);
    return popup(list, 260);
}

} // namespace

QList<GalleryEntry> sourceEntries()
{
    return {
        {"camera-list", makeCameraList},
        {"camera-window", makeCameraWindow},
        {"camera-settings", makeCameraSettings},
        {"sound-list-system", [] { return makeSoundList(4); }},
        {"sound-list-microphone", [] { return makeSoundList(8); }},
    };
}

} // namespace gallery
