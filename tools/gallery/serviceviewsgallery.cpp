// Gallery pictures of the about view and the privacy notice, each in the
// service frame the controller runs it in.

#include "gallery.h"

#include "core/edition.h"

#include "mainwindow/myframe.h"
#include "myaboutview.h"
#include "mysystemprivacywidget.h"

#include <QApplication>
#include <QLabel>

namespace gallery {
namespace {

QWidget *framed(QWidget *view, CAbstractFrame::FrameTypes types)
{
    auto *frame = new MyFrame(view, nullptr, types, QPixmap(), 0, 0);
    frame->show();
    QApplication::processEvents();
    const QPixmap shot = frame->grab();
    delete frame;
    auto *label = new QLabel;
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setStyleSheet(QStringLiteral("background: transparent;"));
    label->setPixmap(shot);
    label->setFixedSize(shot.size());
    return label;
}

} // namespace

QList<GalleryEntry> serviceViewEntries()
{
    return {
        {"about-view", [] {
             if (!g_mireloData)
                 createApplicationData();
             return framed(new MyAboutView(nullptr), CAbstractFrame::CloseButton);
         }},
        {"privacy-notice", [] {
             auto *view = new MySystemPrivacyWidget(nullptr);
             view->setDeviceKind(1);
             return framed(view, 0);
         }},
    };
}

} // namespace gallery
