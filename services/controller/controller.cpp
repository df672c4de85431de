#include "controller.h"

Controller *Controller::instance()
{
    // Never destroyed while the program runs: windows may still call it from
    // their destructors at exit.
    static Controller *controller = new Controller;
    return controller;
}

Controller::Controller(QObject *parent) : QObject(parent)
{
    init();
}

void Controller::setMainWindow(Mirelo *mainWindow)
{
    m_mainWindow = mainWindow;
}

Mirelo *Controller::mainWindow() const
{
    return m_mainWindow;
}
