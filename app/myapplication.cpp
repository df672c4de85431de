#include "myapplication.h"

#include "edition.h"
#include "fileutils.h"
#include "myconfig.h"

MyApplication::MyApplication(const QString &appId, int &argc, char **argv) : QtSingleApplication(appId, argc, argv)
{
}

MyApplication::~MyApplication()
{
    // The options file writes its lasting values as it goes.
    delete g_myConfig;
    g_myConfig = nullptr;
    closeNamedMutex(id());
    releaseApplicationData();
}
