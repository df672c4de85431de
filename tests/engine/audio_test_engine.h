#pragma once
// The engine library loaded as the program loads it, with a callback that
// keeps every event (and whether it came on the caller's thread), and the
// sound server's command line to add and remove devices.
#include <QLibrary>
#include <QMutex>
#include <QProcess>
#include <QThread>
#include <QVector>

#include <mirelo/engine_api.h>

#include <functional>

#include "testsupport.h"

struct AudioTestEvent
{
    int event;
    int data;
    bool onCallerThread;
};

class AudioTestEngine
{
public:
    bool load()
    {
        m_lib.setFileName(testsupport::binDir() + QStringLiteral("/libMirelo.so"));
        if (!m_lib.load())
            return false;
        m_entry = reinterpret_cast<MireloEngineEntryFn>(m_lib.resolve(MIRELO_ENGINE_ENTRY_SYMBOL));
        return m_entry != nullptr;
    }

    template<typename Fn>
    Fn op(int ordinal) const { return reinterpret_cast<Fn>(m_entry(ordinal)); }

    int initialize(const QByteArray &dataFolder)
    {
        m_callerThread = QThread::currentThread();
        return op<MireloInitializeFn>(MIRELO_OP_INITIALIZE)(dataFolder.constData(), &AudioTestEngine::callback, this);
    }
    int shutdown() { return op<MireloShutdownFn>(MIRELO_OP_SHUTDOWN)(); }

    int refresh(int type) { return op<MireloRefreshDevicesFn>(MIRELO_OP_REFRESH_DEVICES)(type); }
    int count(int type) { return op<MireloGetAudioDeviceCountFn>(MIRELO_OP_GET_AUDIO_DEVICE_COUNT)(type); }
    int current(int type) { return op<MireloGetCurrentAudioDeviceFn>(MIRELO_OP_GET_CURRENT_AUDIO_DEVICE)(type); }
    int select(int type, int i) { return op<MireloSelectAudioDeviceFn>(MIRELO_OP_SELECT_AUDIO_DEVICE)(type, i); }
    int open(int type) { return op<MireloOpenAudioDeviceFn>(MIRELO_OP_OPEN_AUDIO_DEVICE)(type); }
    int close(int type) { return op<MireloCloseAudioDeviceFn>(MIRELO_OP_CLOSE_AUDIO_DEVICE)(type); }
    int volume(int type, int v) { return op<MireloSetAudioVolumeFn>(MIRELO_OP_SET_AUDIO_VOLUME)(type, v); }

    QString name(int type, int i, int *result = nullptr) { return text(MIRELO_OP_GET_AUDIO_DEVICE_NAME, type, i, result); }
    QString id(int type, int i, int *result = nullptr) { return text(MIRELO_OP_GET_AUDIO_DEVICE_ID, type, i, result); }

    // Refreshes and returns the ids of a type, in the engine's order.
    QStringList ids(int type)
    {
        refresh(type);
        QStringList list;
        for (int i = 0; i < count(type); ++i)
            list << id(type, i);
        return list;
    }

    QVector<AudioTestEvent> events()
    {
        QMutexLocker lock(&m_mutex);
        return m_events;
    }
    void clearEvents()
    {
        QMutexLocker lock(&m_mutex);
        m_events.clear();
    }
    // Runs on the engine's thread for every event from now on, as a
    // program's callback would (null: none).
    void setEventHook(std::function<void(int event, int data)> hook)
    {
        QMutexLocker lock(&m_mutex);
        m_hook = std::move(hook);
    }
    // The data of every event `event` so far.
    QVector<int> dataOf(int event)
    {
        QVector<int> out;
        for (const auto &e : events())
            if (e.event == event)
                out << e.data;
        return out;
    }

    static int pactl(const QStringList &args, QString *output = nullptr)
    {
        QProcess p;
        p.start(QStringLiteral("pactl"), args);
        p.waitForFinished(10000);
        if (output)
            *output = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    // Loads a module; its number for unloading, or -1.
    static int loadModule(const QStringList &args)
    {
        QString out;
        if (pactl(QStringList{QStringLiteral("load-module")} + args, &out) != 0)
            return -1;
        bool ok = false;
        const int n = out.toInt(&ok);
        return ok ? n : -1;
    }
    static bool unloadModule(int module)
    {
        return pactl({QStringLiteral("unload-module"), QString::number(module)}) == 0;
    }

private:
    QString text(int ordinal, int type, int i, int *result)
    {
        char16_t buffer[MIRELO_NAME_BUFFER_UNITS];
        buffer[0] = 0;
        const int r = op<MireloGetAudioDeviceNameFn>(ordinal)(type, i, buffer);
        if (result)
            *result = r;
        buffer[MIRELO_NAME_BUFFER_UNITS - 1] = 0;
        return r >= 0 ? QString::fromUtf16(buffer) : QString();
    }

    static int callback(int event, int *data, void *context)
    {
        auto *self = static_cast<AudioTestEngine *>(context);
        std::function<void(int, int)> hook;
        {
            QMutexLocker lock(&self->m_mutex);
            hook = self->m_hook;
        }
        if (hook)
            hook(event, data ? *data : 0);
        QMutexLocker lock(&self->m_mutex);
        self->m_events.push_back({event, data ? *data : 0, QThread::currentThread() == self->m_callerThread});
        return 0;
    }

    QLibrary m_lib;
    MireloEngineEntryFn m_entry = nullptr;
    QThread *m_callerThread = nullptr;
    QMutex m_mutex;
    QVector<AudioTestEvent> m_events;
    std::function<void(int, int)> m_hook;
};
