#include "datagroups.h"

DataGroups::DataGroups(QObject *parent, bool copy, int mask)
    : QObject(parent)
    , recording(new DataGroupRecording(this))
    , output(new DataGroupOutput(this, copy, mask))
    , mouse(new DataGroupMouse(this))
    , hotkeys(new DataGroupHotkeys(this))
    , others(new DataGroupOthers(this))
{
    connect(recording, &DataGroupRecording::valueChanged, this, &DataGroups::valueChanged);
    connect(output, &DataGroupOutput::valueChanged, this, &DataGroups::valueChanged);
    connect(mouse, &DataGroupMouse::valueChanged, this, &DataGroups::valueChanged);
    connect(hotkeys, &DataGroupHotkeys::valueChanged, this, &DataGroups::valueChanged);
    connect(others, &DataGroupOthers::valueChanged, this, &DataGroups::valueChanged);
}

void DataGroups::copyFrom(const DataGroups *o)
{
    recording->copyFrom(o->recording);
    output->copyFrom(o->output);
    mouse->copyFrom(o->mouse);
    hotkeys->copyFrom(o->hotkeys);
    others->copyFrom(o->others);
}

bool DataGroups::equals(const DataGroups *o) const
{
    return recording->equals(o->recording) && output->equals(o->output) && mouse->equals(o->mouse)
        && hotkeys->equals(o->hotkeys) && others->equals(o->others);
}

void DataGroups::resetDefaults()
{
    recording->resetDefaults();
    output->resetDefaults();
    mouse->resetDefaults();
    hotkeys->resetDefaults();
    others->resetDefaults();
}

void DataGroups::load(QSettings *settings)
{
    recording->load(settings);
    output->load(settings);
    mouse->load(settings);
    hotkeys->load(settings);
    others->load(settings);
}

void DataGroups::save(QSettings *settings)
{
    recording->save(settings);
    output->save(settings);
    mouse->save(settings);
    hotkeys->save(settings);
    others->save(settings);
}
