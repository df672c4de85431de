#include "enviroment.h"

#include <QSettings>

Enviroment *g_enviroment = nullptr;

Enviroment::Enviroment(QObject *parent)
    : QObject(parent)
    , current(nullptr)
    , privateData(nullptr)
    // Named explicitly: the application's own names change at run time.
    , settings(new QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Olvex"),
                             QStringLiteral("Free Mirelo")))
    , defaults(nullptr)
    , saved(nullptr)
{
    current = new DataGroups(this, false, -1);
    connect(current, &DataGroups::valueChanged, this, &Enviroment::dataGroupValueChanged);
    privateData = new DataGroupPrivate;
    const int mask = current->output->hardwareMask;
    defaults = new DataGroups(this, true, mask);
    saved = new DataGroups(this, true, mask);
    load();
    saved->copyFrom(current);
}

Enviroment::~Enviroment()
{
    delete settings;
    delete current;
    delete defaults;
    delete saved;
    delete privateData;
}

bool Enviroment::isModified() const
{
    return !current->equals(saved);
}

bool Enviroment::isDefault() const
{
    return current->equals(defaults);
}

void Enviroment::revert()
{
    current->copyFrom(saved);
}

void Enviroment::save()
{
    current->save(settings);
    saved->copyFrom(current);
    // A power-off may follow a recording at once: put the values on disk now.
    settings->sync();
}

void Enviroment::savePrivate()
{
    privateData->save(settings);
    settings->sync();
}

void Enviroment::restoreDefaults()
{
    current->resetDefaults();
}

void Enviroment::load()
{
    current->load(settings);
    privateData->load(settings);
}

void Enviroment::dataGroupValueChanged()
{
    emit defaultStateChanged(!current->equals(defaults));
    emit valueStateChanged(!current->equals(saved));
}
