#pragma once
// Hears left-button presses anywhere on the desktop, for the click marks of
// a recording. The X11 listener reads XInput2 raw button events of the root
// window on its own connection, on the GUI thread; elsewhere (offscreen,
// no XInput2) the null listener hears nothing.
#include <QObject>
#include <QPoint>

class ClickListener : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    // The X11 listener when the program runs on an X server that has
    // XInput2, else the null one.
    static ClickListener *create(QObject *parent);
    // Whether presses are heard at all.
    virtual bool isListening() const = 0;

signals:
    // A left-button press, at the pointer in desktop pixels.
    void leftButtonPressed(const QPoint &position);
};

class NullClickListener : public ClickListener
{
    Q_OBJECT
public:
    using ClickListener::ClickListener;
    bool isListening() const override { return false; }
};
