#pragma once
// The screens as the settings name them, for the region windows. Without the
// settings holder (gallery, tests) the whole desktop stands for every choice.
#include <QList>
#include <QPixmap>
#include <QRect>

#include <functional>

class QWidget;

namespace region {

QRect selectedScreen();
QRect desktop();
// The monitors' rectangles (the screen hook's one when it is set).
QList<QRect> monitors();
// The part of each monitor (in the order of monitors()) that the desktop's
// panels leave free, as far as they show now.
QList<QRect> freeAreas();
// What a window placed beside `region` keeps within: `screen`, less what
// the desktop's panels take of the monitor that holds the region's bottom
// right corner (all of `screen` when that leaves nothing of it).
QRect roomBeside(const QRect &region, const QRect &screen);
QPixmap grabSelectedScreen();
// Replaces the grab (tests with a scripted picture); empty restores it.
void setGrabHook(std::function<QPixmap()> hook);
// False, after telling the user why (a notice over `parent`, which does not
// wait), when the screen cannot be read (a Wayland session): every road to
// a picture of the screen asks first.
bool screenReadable(QWidget *parent);
// Replaces the screen and desktop rectangles (the gallery pictures a screen
// larger than its own); empty restores them.
void setScreenHook(std::function<QRect()> hook);

} // namespace region
