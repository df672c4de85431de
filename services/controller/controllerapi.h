#pragma once

#include <QObject>

#include "languageswitch.h"
#include "privacyrequests.h"
#include "regionrequests.h"
#include "serviceviews.h"
#include "sourcerequests.h"

// What the windows ask of the application controller, one small interface
// per concern. The controller itself builds and owns windows, so it lives
// above them (app/); the windows reach it through these interfaces only.
// Until the program installs its controller, calls go to a null one that
// does nothing and answers "no".
class ControllerApi : public QObject,
                      public RegionRequests,
                      public SourceRequests,
                      public PrivacyRequests,
                      public ServiceViews,
                      public LanguageSwitch
{
    Q_OBJECT
public:
    // The installed controller, made on the first call; the null one when
    // none is installed.
    static ControllerApi *instance();
    // Installs what makes the controller on the first call to instance().
    static void setFactory(ControllerApi *(*factory)());

protected:
    explicit ControllerApi(QObject *parent = nullptr) : QObject(parent) {}
};
