#include "gallery.h"

#include "mainwindow/myframe.h"

#include <QApplication>
#include <QLabel>

namespace gallery {

QWidget *picture(const QPixmap &pixmap)
{
    auto *label = new QLabel;
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setStyleSheet(QStringLiteral("background: transparent;"));
    label->setPixmap(pixmap);
    label->setFixedSize(pixmap.size());
    return label;
}

QWidget *framedPicture(QWidget *view, quint32 frameTypes)
{
    auto *frame = new MyFrame(view, nullptr, frameTypes, QPixmap(), 0, 0);
    frame->show();
    QApplication::processEvents();
    const QPixmap shot = frame->grab();
    delete frame;
    return picture(shot);
}

} // namespace gallery
