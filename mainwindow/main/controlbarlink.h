#pragma once
// How the main window reaches the recording control bar: it makes one for a
// job and asks its state. The bar's slots (startRecord, stopRecord,
// pauseRecord, screenshot, recordingFailed(int)) are called by name, so a
// stand-in bar serves the tests.
class QDialog;
class QWidget;
class TaskScheduleItem;

namespace ControlBarLink {

using Factory = QDialog *(*)(QWidget *parent, TaskScheduleItem *item);

// The program's control bar; null where the program has none.
QDialog *create(QWidget *parent, TaskScheduleItem *item);
// Replaces the maker (tests); null restores the program's own.
void setFactory(Factory factory);
// The bar's recording state (0 made, 1 recording, 2 paused, 3 stopped); a
// stand-in answers through its "recordState" property.
int recordState(QDialog *bar);
void setSystemSoundLevel(QDialog *bar, int level);
void setMicrophoneLevel(QDialog *bar, int level);
// Calls one of the bar's slots by name (with an int argument).
void call(QDialog *bar, const char *slot);
void call(QDialog *bar, const char *slot, int value);

} // namespace ControlBarLink
