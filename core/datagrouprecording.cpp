#include "datagrouprecording.h"

#include <QSettings>

namespace {

// The store's keys in load and save order, with the field each one holds.
struct Key {
    const char *name;
    bool DataGroupRecording::*field;
};

const Key kKeys[] = {
    {"ShowCountdown", &DataGroupRecording::ShowCountdown},
    {"Beep", &DataGroupRecording::Beep},
    {"ShowBoundary", &DataGroupRecording::ShowBoundary},
    {"HideFlatBar", &DataGroupRecording::HideFlatBar},
    {"AllowMoveRegion", &DataGroupRecording::AllowMoveRegion},
    {"HideDesktopIcons", &DataGroupRecording::HideDesktopIcons},
    {"HideTaskbar", &DataGroupRecording::HideTaskbar},
    {"HideMainWhenScreenshot", &DataGroupRecording::HideMainWhenScreenshot},
    {"AutoOpenHistory", &DataGroupRecording::AutoOpenHistory},
};

} // namespace

DataGroupRecording::DataGroupRecording(QObject *parent)
    : QObject(parent)
{
    resetDefaults();
}

void DataGroupRecording::resetDefaults()
{
    ShowCountdown = true;
    Beep = false;
    ShowBoundary = true;
    HideFlatBar = false;
    AllowMoveRegion = false;
    HideDesktopIcons = false;
    HideTaskbar = false;
    HideMainWhenScreenshot = true;
    AutoOpenHistory = true;
}

void DataGroupRecording::load(QSettings *settings)
{
    settings->beginGroup(QStringLiteral("Recording"));
    for (const Key &k : kKeys)
        this->*k.field = settings->value(QLatin1String(k.name), this->*k.field).toBool();
    settings->endGroup();
}

void DataGroupRecording::save(QSettings *settings) const
{
    settings->beginGroup(QStringLiteral("Recording"));
    for (const Key &k : kKeys)
        settings->setValue(QLatin1String(k.name), this->*k.field);
    settings->endGroup();
}

bool DataGroupRecording::equals(const DataGroupRecording *other) const
{
    for (const Key &k : kKeys) {
        if (this->*k.field != other->*k.field)
            return false;
    }
    return true;
}

void DataGroupRecording::copyFrom(const DataGroupRecording *other)
{
    for (const Key &k : kKeys)
        this->*k.field = other->*k.field;
}

#define MIRELO_SETTER(name, field)                 \
    void DataGroupRecording::name(bool value)      \
    {                                              \
        field = value;                             \
        emit valueChanged();                       \
    }

MIRELO_SETTER(setShowCountdown, ShowCountdown)
MIRELO_SETTER(setBeep, Beep)
MIRELO_SETTER(setShowBoundary, ShowBoundary)
MIRELO_SETTER(setHideFloatBar, HideFlatBar)
MIRELO_SETTER(setAllowMoveRegion, AllowMoveRegion)
MIRELO_SETTER(setHideDesktopIcons, HideDesktopIcons)
MIRELO_SETTER(setHideTaskbar, HideTaskbar)
MIRELO_SETTER(setHideMainWhenScreenshot, HideMainWhenScreenshot)
MIRELO_SETTER(setAutoOpenHistory, AutoOpenHistory)

#undef MIRELO_SETTER
