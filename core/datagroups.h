#pragma once
// One set of the five persistent settings groups. The settings holder keeps
// three: the live values, the built-in defaults and the values last saved.
#include <QObject>

#include "datagrouphotkeys.h"
#include "datagroupmouse.h"
#include "datagroupothers.h"
#include "datagroupoutput.h"
#include "datagrouprecording.h"

class QSettings;

class DataGroups : public QObject
{
    Q_OBJECT
public:
    // `copy` and `mask` go to the output group: the live set (copy false)
    // probes the engine for hardware encoders, the copies take `mask`.
    DataGroups(QObject *parent, bool copy, int mask);

    // Field by field, without signals; the output group's encoder list,
    // copy flag and mask and the hotkeys' registrations stay as they are.
    void copyFrom(const DataGroups *other);
    bool equals(const DataGroups *other) const;
    // Every group to its built-in defaults, without signals or registration.
    void resetDefaults();

    void load(QSettings *settings);
    void save(QSettings *settings);

    DataGroupRecording *recording;
    DataGroupOutput *output;
    DataGroupMouse *mouse;
    DataGroupHotkeys *hotkeys;
    DataGroupOthers *others;

signals:
    void valueChanged();
};
