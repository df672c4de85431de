#pragma once
// The arithmetic and the choices behind the main window's record page, kept
// apart from the widgets: screens come in as rectangles, so every rule can
// be checked without a display. Rectangles have inclusive right and bottom.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

namespace pages {

// One entry of the "Fixed region" menu besides the full-screen one.
struct Preset {
    QSize size;
    QString text;      // not translated
    bool separated;    // a separator comes before it
};

// The presets the selected screen can hold: only sizes strictly smaller in
// both directions are offered (its own size is the full-screen entry).
QVector<Preset> fixedPresets(const QSize &screen);

// The entries of a display choice: "All" (-1) with two or more screens,
// then one per screen (0 .. count-1).
QVector<int> screenChoices(int screenCount);

// A region of `size` centred on `screen`, cut to it.
QRect centredArea(const QSize &size, const QRect &screen);

// A region given in its screen's own coordinates, put on `screen` by its
// top-left corner and pushed back inside where it sticks out right or below.
QRect moveOntoScreen(const QRect &local, const QRect &screen);

// The record button: a record mode is chosen and at least one source is on.
bool recordButtonEnabled(int recordMode, bool screen, bool camera, bool systemSound, bool microphone);

// Where the camera window of `size` goes inside the region frame's window
// `frame` for a placement choice: 0 centred, 1 bottom-right, 2 top-right,
// 3 bottom-left, anything else top-left. The bottom ones keep `taskbar`
// pixels free below.
QPoint cameraPlacement(int position, const QRect &frame, const QSize &size, int taskbar);

// The height the panels take from the primary screen (its height less its
// available height).
int taskbarOffset();

// Top-left of the record-length popup for its button at `buttonGlobal`:
// below the button, or above it when the available desktop (`available`
// high) has no room below.
QPoint popupPosition(const QPoint &buttonGlobal, const QSize &button, int popupHeight, int available);

// Where a drop-down menu opens for a button: left by half its width, down by
// a quarter of its height.
QPoint menuPoint(const QPoint &buttonGlobal, const QSize &button);

} // namespace pages
