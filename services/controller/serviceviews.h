#pragma once

#include <QString>

class MyBugReportView;

// The service views: about, bug report and updates.
class ServiceViews
{
public:
    static ServiceViews *instance();

    virtual void showAboutView() {}
    virtual void showBugReportView() {}
    virtual void sendBugReport(MyBugReportView *) {}
    virtual void showUpdateView() {}
    virtual void execUpdateView(bool) {}
    virtual void retryUpdateCheck() {}
    virtual QString releaseNotes() const { return QString(); }
    virtual QString updateDownloadAddress() const { return QString(); }
    // Called once the main frame shows.
    virtual void checkUpdateOnStartup() {}

protected:
    ~ServiceViews() = default;
};
