#pragma once

// The privacy notice and its one-shot permissions. The permissions are read
// and cleared from the engine's threads too.
class PrivacyRequests
{
public:
    static PrivacyRequests *instance();

    virtual bool canShowCameraPrivacy() const { return false; }
    virtual void setCanShowCameraPrivacy(bool) {}
    virtual bool canShowMicrophonePrivacy() const { return false; }
    virtual void setCanShowMicrophonePrivacy(bool) {}
    virtual bool isPrivacyWidgetShown() const { return false; }
    // Runs the notice for kind 1 (webcam) or 2 (microphone).
    virtual void showSystemPrivacyWidget(int) {}

protected:
    ~PrivacyRequests() = default;
};
