#pragma once

// Requests of the source and job windows, carried to the main window.
class SourceRequests
{
public:
    static SourceRequests *instance();

    // The watermark button follows the stored kind.
    virtual void refreshWatermarkState() {}
    virtual void closeCamera() {}
    virtual void rescanCameras() {}
    virtual void clickSystemSoundButton() {}
    virtual void clickMicrophoneButton() {}
    // The task button follows whether any job is enabled; returns the state.
    virtual bool refreshTaskScheduleState() { return false; }

protected:
    ~SourceRequests() = default;
};
