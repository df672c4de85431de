#pragma once
// While any device is metered the engine wakes the program ten times a
// second (and keeps a sound-server connection for it), so a device is
// metered only while its level is shown (a level bar is visible) or a
// recording of it runs.
#include <QObject>

class QWidget;

namespace LevelMeters {

// Device types are MIRELO_DEVICE_SYSTEM_SOUND and MIRELO_DEVICE_MICROPHONE.
// A recording of this device type starts or ends.
void setRecording(int type, bool recording);
// The device of this type changed (selected, allowed again): a meter that is
// wanted opens on it anew; one that is not stays closed.
void reopen(int type);
// True while the device of this type is metered.
bool isOpen(int type);
// Meters the device of this type while the bar is visible.
void watchBar(QWidget *bar, int type);

} // namespace LevelMeters
