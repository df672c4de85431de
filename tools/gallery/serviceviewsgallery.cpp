// Gallery pictures of the about view and the privacy notice, each in the
// service frame the controller runs it in.

#include "gallery.h"

#include "core/edition.h"

#include "mainwindow/myframe.h"
#include "myaboutview.h"
#include "mysystemprivacywidget.h"

namespace gallery {

QList<GalleryEntry> serviceViewEntries()
{
    return {
        {"about-view", [] {
             if (!g_mireloData)
                 createApplicationData();
             return framedPicture(new MyAboutView(nullptr), CAbstractFrame::CloseButton);
         }},
        {"privacy-notice", [] {
             auto *view = new MySystemPrivacyWidget(nullptr);
             view->setDeviceKind(1);
             return framedPicture(view, 0);
         }},
    };
}

} // namespace gallery
