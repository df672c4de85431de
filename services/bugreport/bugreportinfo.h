#pragma once
// The records a bug report travels with: the mail account it is sent from
// (a deployment setting, never compiled in) and the report itself.

#include <QString>

class ControllerApi;
class MyBugReportView;

struct MailAccount {
    QString host;
    int port = 465;
    // Non-zero: TLS from the first byte; 0: plain TCP.
    quint8 connectionType = 1;
    QString user;
    QString password;
    // A PEM file of authorities trusted besides the system's; may be empty.
    QString caCertificates;
};

struct BugReportInfo {
    ControllerApi *controller = nullptr;
    // The form that asked; results come back tagged with it.
    MyBugReportView *view = nullptr;
    QString archivePath;
    QString name;
    QString email;
    QString description;
    QString productName;
    QString applicationFilePath;
    QString supportAddress;
};

// The account from the group "Services" of the settings store: "MailHost",
// "MailPort", "MailUser", "MailPassword", "MailCaCertificates".
MailAccount readMailAccount();
