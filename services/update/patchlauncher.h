#pragma once
// The main window's patch road: skips on "-v start" or without the updater
// "Launch.exe" in the program folder, runs the patch check, starts the
// updater with the task file and reads its one-word replies.

#include <QObject>
#include <QProcess>
#include <QPointer>
#include <QStringList>

#include "cpatchupdate.h"

class QWidget;

class PatchLauncher : public QObject
{
    Q_OBJECT
public:
    // window: the main window, parent of the updater's process and of the
    // restart notice.
    explicit PatchLauncher(QWidget *window);
    ~PatchLauncher() override;

    // The whole road for a program folder and a command line; false when
    // it ends at once (no check wanted, no updater). Otherwise the check
    // goes on from the event loop and starts the updater when there is
    // something to patch (process() then holds it, and updaterStarted()
    // tells).
    bool run(const QString &programFolder, const QStringList &arguments);
    // The settings of a check from this program's edition and options.
    static PatchUpdateParam makeParam(const QString &programFolder);
    // False for "-v start" (any case) after the first argument.
    static bool checkWanted(const QStringList &arguments);

    // One read of the updater's output: "u0" exactly asks for a restart,
    // which shows only while the window is visible.
    void handleOutput(const QByteArray &output);

    CPatchUpdate *patchUpdate() const { return m_patchUpdate; }
    QProcess *process() const { return m_process; }

signals:
    void restartNoticeShown();
    void updaterStarted();

private:
    void readOutput();

    QWidget *m_window;
    CPatchUpdate *m_patchUpdate = nullptr;
    QPointer<QProcess> m_process;
};
