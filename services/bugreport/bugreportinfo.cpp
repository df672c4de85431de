#include "bugreportinfo.h"

#include <QSettings>

MailAccount readMailAccount()
{
    // The store lies outside the data folder, so the packed report never
    // carries the password.
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Olvex"),
                       QStringLiteral("Free Mirelo"));
    settings.beginGroup(QStringLiteral("Services"));
    MailAccount account;
    account.host = settings.value(QStringLiteral("MailHost")).toString().trimmed();
    bool ok = false;
    const int port = settings.value(QStringLiteral("MailPort")).toInt(&ok);
    if (ok && port > 0 && port < 65536)
        account.port = port;
    account.connectionType = 1;
    account.user = settings.value(QStringLiteral("MailUser")).toString();
    account.password = settings.value(QStringLiteral("MailPassword")).toString();
    account.caCertificates = settings.value(QStringLiteral("MailCaCertificates")).toString();
    return account;
}
