#pragma once
// The one settings holder: the settings store, the live settings groups with
// a copy of their built-in defaults and of their last saved values, and the
// private state group. Made by the main window into g_enviroment after the
// engine has started.
#include <QObject>

#include "datagroupprivate.h"
#include "datagroups.h"

class QSettings;

class Enviroment : public QObject
{
    Q_OBJECT
public:
    // Creates the store and the groups and loads them (which registers the
    // hotkeys).
    explicit Enviroment(QObject *parent = nullptr);
    ~Enviroment() override;

    DataGroupRecording *recording() const { return current->recording; }
    DataGroupOutput *output() const { return current->output; }
    DataGroupMouse *mouse() const { return current->mouse; }
    DataGroupHotkeys *hotkeys() const { return current->hotkeys; }
    DataGroupOthers *others() const { return current->others; }

    // The live values differ from the saved ones / equal the defaults.
    bool isModified() const;
    bool isDefault() const;
    // The saved values back into the live set; no signal.
    void revert();
    // Writes the live groups (registering the hotkeys again), makes them
    // the saved values and flushes the store to disk.
    void save();
    // Writes the private state group and flushes the store to disk.
    void savePrivate();
    // The built-in defaults into the live set; no signal, nothing written.
    void restoreDefaults();
    // Reads the live groups and the private state group from the store.
    void load();

    DataGroups *current;
    DataGroupPrivate *privateData;
    QSettings *settings;
    DataGroups *defaults;
    DataGroups *saved;

signals:
    void defaultStateChanged(bool differsFromDefaults);
    void valueStateChanged(bool differsFromSaved);

public slots:
    void dataGroupValueChanged();
};

// The program's settings holder, null outside the main window's lifetime.
extern Enviroment *g_enviroment;
