#include "enviroment.h"

#include "settingsstore.h"
#include "userfolders.h"

#include <QSettings>

namespace {

// The store's file, named explicitly (the application's own names change at
// run time) and never below the file-system root: without a usable home it
// lies below a file ("/dev/null"), where no folder can be made, so nothing
// is read or written. Written whole or not at all (settingsstore.h).
QSettings *openStore()
{
    const QString base = userConfigBase();
    const QString file = base.isEmpty() ? QStringLiteral("/dev/null/Free Mirelo.conf")
                                        : base + QStringLiteral("/Olvex/Free Mirelo.conf");
    return openSettingsStore(file);
}

} // namespace

Enviroment *g_enviroment = nullptr;

Enviroment::Enviroment(QObject *parent)
    : QObject(parent)
    , current(nullptr)
    , privateData(nullptr)
    , settings(openStore())
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
    syncSettingsStore(settings);
}

void Enviroment::savePrivate()
{
    privateData->save(settings);
    syncSettingsStore(settings);
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
