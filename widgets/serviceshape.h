#pragma once
// The shape of the service views (about, privacy notice, update view, bug
// report): square top corners under their frame's title, rounded bottom
// ones.

#include <QBitmap>
#include <QSize>

// In window coordinates; radius is in device-independent pixels.
QBitmap bottomRoundedShape(const QSize &size, int radius = 16);
