#pragma once
// What the application controller asks of the main window. Mirelo
// implements it; tests put a recorder in its place.

class MainWindowCalls
{
public:
    virtual ~MainWindowCalls() = default;
    // The privacy notice's answer: the device goes off.
    virtual void privacyCloseCamera() = 0;
    virtual void privacyCloseMicrophone() = 0;
    // After a language change: the window's texts.
    virtual void retranslate() = 0;
};
