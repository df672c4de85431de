#include "countmode.h"

#include "edition.h"
#include "languages.h"
#include "myconfig.h"
#include "qmyweb.h"
#include "startup.h"
#include "userfolders.h"

#include <QCoreApplication>
#include <QNetworkProxy>

bool runCountMode(int argc, char **argv)
{
    const int event = countModeEvent(argc, argv);
    if (event < 0)
        return false;
    // Without a usable home nothing may be made: the request is served by
    // doing nothing.
    if (usableHomeFolder().isEmpty())
        return true;
    // Nothing is shown (no single-instance check, no splash, no skin), so no
    // display is needed either.
    auto *app = new QCoreApplication(argc, argv);
    g_myConfig = new MyConfig;
    QNetworkProxy::setApplicationProxy(configProxy());
    const QString link = g_mireloData ? g_mireloData->statisticsLink() : QString();
    if (!link.isEmpty())
        runStatisticsVisit(link, event);
    delete g_myConfig;
    g_myConfig = nullptr;
    delete app;
    return true;
}
