#include "controller.h"

#include "core/enviroment.h"
#include "mirelo.h"
#include "taskschedulelist.h"

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

void Controller::closeCamera()
{
    emit closeCameraRequested();
    if (m_mainWindow)
        m_mainWindow->closeCamera();
}

void Controller::rescanCameras()
{
    Mirelo::rescanCameraDevices();
}

void Controller::clickSystemSoundButton()
{
    emit systemSoundButtonClicked();
    if (m_mainWindow)
        m_mainWindow->recordWithoutSystemSound();
}

void Controller::clickMicrophoneButton()
{
    emit microphoneButtonClicked();
    if (m_mainWindow)
        m_mainWindow->recordWithoutMicrophone();
}

void Controller::refreshTaskScheduleState()
{
    if (m_mainWindow)
        m_mainWindow->taskScheduleStateChanged(g_taskScheduleList && g_taskScheduleList->anyEnabled());
}
