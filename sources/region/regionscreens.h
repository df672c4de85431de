#pragma once
// The screens as the settings name them, for the region windows. Without the
// settings holder (gallery, tests) the whole desktop stands for every choice.
#include <QPixmap>
#include <QRect>

namespace region {

QRect selectedScreen();
QRect desktop();
QPixmap grabSelectedScreen();

} // namespace region
