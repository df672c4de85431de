#include "datagroupothers.h"

#include <QSettings>

namespace {

struct Key {
    const char *name;
    bool DataGroupOthers::*field;
};

const Key kKeys[] = {
    {"AutoCheckUpdate", &DataGroupOthers::AutoCheckUpdate},
    {"AutoRun", &DataGroupOthers::AutoRun},
    {"ExitWhenClose", &DataGroupOthers::ExitWhenClose},
    {"ExitWhenCloseTip", &DataGroupOthers::ExitWhenCloseTip},
    {"IsShowToAudioTips", &DataGroupOthers::IsShowToAudioTips},
};

} // namespace

DataGroupOthers::DataGroupOthers(QObject *parent)
    : QObject(parent)
{
    resetDefaults();
}

void DataGroupOthers::resetDefaults()
{
    AutoCheckUpdate = true;
    AutoRun = false;
    ExitWhenClose = false;
    ExitWhenCloseTip = true;
    IsShowToAudioTips = true;
}

void DataGroupOthers::load(QSettings *settings)
{
    settings->beginGroup(QStringLiteral("Others"));
    for (const Key &k : kKeys)
        this->*k.field = settings->value(QLatin1String(k.name), this->*k.field).toBool();
    settings->endGroup();
}

void DataGroupOthers::save(QSettings *settings) const
{
    settings->beginGroup(QStringLiteral("Others"));
    for (const Key &k : kKeys)
        settings->setValue(QLatin1String(k.name), this->*k.field);
    settings->endGroup();
}

bool DataGroupOthers::equals(const DataGroupOthers *other) const
{
    for (const Key &k : kKeys) {
        if (this->*k.field != other->*k.field)
            return false;
    }
    return true;
}

void DataGroupOthers::copyFrom(const DataGroupOthers *other)
{
    for (const Key &k : kKeys)
        this->*k.field = other->*k.field;
}

void DataGroupOthers::setAutoCheckUpdate(bool value)
{
    AutoCheckUpdate = value;
    emit valueChanged();
}

void DataGroupOthers::setAutoRun(bool value)
{
    AutoRun = value;
    emit valueChanged();
}

void DataGroupOthers::setExitWhenClose(bool value)
{
    ExitWhenClose = value;
    emit valueChanged();
}

void DataGroupOthers::setExitWhenCloseTip(bool value)
{
    ExitWhenCloseTip = value;
}

void DataGroupOthers::setIsShowToAudioTips(bool value)
{
    IsShowToAudioTips = value;
}
