#pragma once
// The program's main window. It builds and owns the program-wide
// components in a fixed order (logs, engine, settings, ...) and decides
// what closing its frame means.

#include <QMainWindow>

#include "regionowner.h"

class EngineEvents;
class MyCustomAreaSelect;
class MyFrame;
class TitleBar;

class Mirelo : public QMainWindow, public RegionOwner
{
    Q_OBJECT
public:
    // taskName: the scheduled job this start was made for (empty for a
    // start by hand).
    Mirelo(QWidget *parent, const QString &taskName);
    ~Mirelo() override;

    void setFrame(MyFrame *frame);
    void setTitleBar(TitleBar *titleBar);
    MyFrame *frame() const { return m_frame; }
    TitleBar *titleBar() const { return m_titleBar; }
    QString taskName() const { return m_taskName; }
    EngineEvents *engineEvents() const { return m_engineEvents; }

    // Work started once the frame shows (update checks).
    void startDeferredTasks();
    void setFrameVisible(bool visible) override;

    // Region frame and custom size panel.
    // A size from the custom size panel: keeps the region's top-left corner.
    void setCustomAreaSize(const QSize &size, bool commit) override;
    MyCustomAreaSelect *customAreaSelect() const { return m_customAreaSelect; }

    // Whether the frame may close now; hiding to the tray refuses.
    bool confirmClose();
    // The frame's close callback; context is the window.
    static bool frameCloseCallback(void *context);

    // Webcam and sound sources.
    static void rescanCameraDevices();
    void closeCamera();
    void recordWithoutSystemSound();
    void recordWithoutMicrophone();

public slots:
    void newInstanceMessage(const QString &message);
    void showCameraSettings();

    // The tray's Exit: the next close leaves without asking.
    void requestExit() { m_exitRequested = true; }

    // Region frame and custom size panel.
    void actShowCustomSelectArea();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void initLogs();
    void initSources();
    void deleteSources();
    void placeCameraWindow(int position);

    QString m_taskName;
    MyFrame *m_frame = nullptr;
    TitleBar *m_titleBar = nullptr;
    EngineEvents *m_engineEvents = nullptr;
    bool m_exitRequested = false;

    // Region frame and custom size panel.
    MyCustomAreaSelect *m_customAreaSelect = nullptr;
};
