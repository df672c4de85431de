// The main frame with its settings menu open, and the tray menu idle and
// while recording.
#include "gallery.h"

#include "core/edition.h"
#include "core/myconfig.h"
#include "mainwindow/myframe.h"
#include "mybutton.h"
#include "skinmanager.h"
#include "systemtray.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QVariant>

namespace {


class GalleryTrayHost : public QObject, public TrayHost
{
public:
    explicit GalleryTrayHost(bool recording) : m_recording(recording) {}
    void queryState(int *state, int *mode, int *bar, bool *canRecord) const override
    {
        *state = m_recording ? 6 : 0;
        *mode = 1;
        *bar = m_recording ? 2 : 0;
        *canRecord = true;
    }
    bool isControlPanelVisible() const override { return true; }

private:
    bool m_recording;
};


QPixmap menuPicture(QMenu *menu, const QPoint &at)
{
    menu->popup(at);
    QApplication::processEvents();
    const QPixmap shot = menu->grab();
    menu->hide();
    return shot;
}

QWidget *frameWithMenu()
{
    if (!g_mireloData)
        createApplicationData();
    if (!g_myConfig)
        g_myConfig = new MyConfig;
    auto *content = new QWidget;
    content->setWindowTitle(QStringLiteral("Olvex Free Mirelo"));
    content->setProperty("STYLE_KEY", "HOME_PAGE");
    content->setAttribute(Qt::WA_StyledBackground);
    content->resize(scaled(1179), scaled(262));
    auto *frame = new MyFrame(content, nullptr, 0x10000005, MyFrame::logoPixmap(), 0, 0);
    frame->setMainTitle(1);
    frame->show();
    QApplication::processEvents();
    const QPixmap body = frame->grab();
    // The menu as the menu button opens it: under the button's left edge.
    MyButton *button = frame->menuButton();
    const QPoint under = button->mapTo(frame, QPoint(0, button->height()));
    QMenu *menu = frame->settingsMenu();
    menu->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    menu->setAttribute(Qt::WA_TranslucentBackground);
    const QPixmap open = menuPicture(menu, frame->mapToGlobal(under));

    QPixmap all(qMax(body.width(), under.x() + open.width()), qMax(body.height(), under.y() + open.height()));
    all.fill(Qt::transparent);
    QPainter p(&all);
    p.drawPixmap(0, 0, body);
    p.drawPixmap(under, open);
    p.end();
    delete frame;
    return gallery::picture(all);
}

QWidget *trayMenu(bool recording)
{
    GalleryTrayHost host(recording);
    SystemTray tray(&host);
    tray.updateActions();
    return gallery::picture(menuPicture(tray.trayMenu(), QPoint(40, 40)));
}

} // namespace

namespace gallery {

QList<GalleryEntry> trayEntries()
{
    return {
        {"frame-main-menu", [] { return frameWithMenu(); }},
        {"tray-menu-idle", [] { return trayMenu(false); }},
        {"tray-menu-recording", [] { return trayMenu(true); }},
    };
}

} // namespace gallery
