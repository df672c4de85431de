#include "controllerapi.h"

namespace {

ControllerApi *(*s_factory)() = nullptr;

class NullController : public ControllerApi
{
};

} // namespace

ControllerApi *ControllerApi::instance()
{
    if (s_factory)
        return s_factory();
    // Never destroyed, as the real one: windows may call it at exit.
    static NullController *none = new NullController;
    return none;
}

void ControllerApi::setFactory(ControllerApi *(*factory)())
{
    s_factory = factory;
}

RegionRequests *RegionRequests::instance() { return ControllerApi::instance(); }
SourceRequests *SourceRequests::instance() { return ControllerApi::instance(); }
PrivacyRequests *PrivacyRequests::instance() { return ControllerApi::instance(); }
ServiceViews *ServiceViews::instance() { return ControllerApi::instance(); }
LanguageSwitch *LanguageSwitch::instance() { return ControllerApi::instance(); }
