#pragma once

#include <QString>

// The interface language, switched from the frame's menu.
class LanguageSwitch
{
public:
    static LanguageSwitch *instance();

    // Loads the language and retranslates the open windows.
    virtual void switchLanguage(const QString &) {}
    // The code the controller keeps for the running program.
    virtual void setLanguage(const QString &) {}

protected:
    ~LanguageSwitch() = default;
};
