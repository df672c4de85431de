#pragma once
// How the main window reaches the recording control bar: it makes one for a
// job and drives it through ControlBar, so a stand-in bar serves the tests.
class QDialog;
class QWidget;
class TaskScheduleItem;

// What the main window asks of the control bar. The program's bar
// (ControlPanel) implements it; tests put a stand-in in its place.
class ControlBar
{
public:
    virtual ~ControlBar() = default;
    // 0 made, 1 recording, 2 paused, 3 stopped.
    virtual int recordState() const = 0;
    virtual void setSystemSoundLevel(int level) = 0;
    virtual void setMicrophoneLevel(int level) = 0;
    virtual void startRecord() = 0;
    virtual void pauseRecord() = 0;
    virtual void stopRecord() = 0;
    // The program is leaving (the session ends it): stopped as by Stop, with
    // a failure written to the log, as nobody may be there to answer.
    virtual void stopUnattended() = 0;
    // The process is ending under the program (its display is gone): only
    // the engine's file is finished and listed.
    virtual void finishForExit() = 0;
    // The engine ended the recording: its file could not be written.
    virtual void recordingFailed(int error) = 0;
    // The sound being recorded is gone (its device was removed, or the
    // sound server ended): stopped as by Stop, and the user is told why.
    virtual void soundLost() { stopRecord(); }
    virtual void screenshot() = 0;
    virtual void retranslate() = 0;
};

namespace ControlBarLink {

using Factory = QDialog *(*)(QWidget *parent, TaskScheduleItem *item);

// The program's control bar, or what the factory makes.
QDialog *create(QWidget *parent, TaskScheduleItem *item);
// Replaces the maker (tests); null restores the program's own.
void setFactory(Factory factory);
// The bar's interface; null for no bar.
ControlBar *of(QDialog *bar);
// The bar's recording state; 0 without a bar. The calls below do nothing
// without one.
int recordState(QDialog *bar);
void setSystemSoundLevel(QDialog *bar, int level);
void setMicrophoneLevel(QDialog *bar, int level);
void startRecord(QDialog *bar);
void pauseRecord(QDialog *bar);
void stopRecord(QDialog *bar);
void stopUnattended(QDialog *bar);
void finishForExit(QDialog *bar);
void recordingFailed(QDialog *bar, int error);
void soundLost(QDialog *bar);
void screenshot(QDialog *bar);
void retranslate(QDialog *bar);

} // namespace ControlBarLink
