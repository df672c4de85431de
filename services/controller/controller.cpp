#include "controller.h"

#include "core/enviroment.h"
#include "mirelo.h"

Controller *Controller::instance()
{
    // Never destroyed while the program runs: windows may still call it from
    // their destructors at exit.
    static Controller *controller = new Controller;
    return controller;
}

Controller::Controller(QObject *parent) : QObject(parent) {}

void Controller::setMainWindow(Mirelo *mainWindow)
{
    m_mainWindow = mainWindow;
}

Mirelo *Controller::mainWindow() const
{
    return m_mainWindow;
}

// Region frame and custom size panel.
void Controller::showCustomSelectArea()
{
    if (m_mainWindow)
        m_mainWindow->actShowCustomSelectArea();
}

void Controller::refreshWatermarkState()
{
    const bool on = g_enviroment && g_enviroment->privateData->WatermarkType != 0;
    if (m_mainWindow)
        m_mainWindow->waterMarkStateChanged(on);
    emit watermarkStateChanged(on);
}
