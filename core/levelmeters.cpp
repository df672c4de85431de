#include "levelmeters.h"

#include "enginebinding.h"

#include <mirelo/engine_api.h>

#include <QEvent>
#include <QWidget>

namespace LevelMeters {
namespace {

struct Meter {
    int shown = 0; // visible bars of the type
    bool recording = false;
    bool open = false;
};

Meter g_meters[2];

Meter *meterOf(int type)
{
    if (type == MIRELO_DEVICE_SYSTEM_SOUND)
        return &g_meters[0];
    if (type == MIRELO_DEVICE_MICROPHONE)
        return &g_meters[1];
    return nullptr;
}

void apply(int type, bool reopenIfOpen)
{
    Meter *m = meterOf(type);
    const bool wanted = m->shown > 0 || m->recording;
    if (m->open && (!wanted || reopenIfOpen)) {
        engineCloseAudioDevice(type);
        m->open = false;
    }
    if (wanted && !m->open)
        m->open = engineOpenAudioDevice(type) == MIRELO_OK;
}

class BarWatch : public QObject
{
public:
    BarWatch(QWidget *bar, int type) : QObject(bar), m_type(type)
    {
        bar->installEventFilter(this);
        if (bar->isVisible())
            show(true);
    }
    ~BarWatch() override { show(false); }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            show(true);
        else if (event->type() == QEvent::Hide)
            show(false);
        return false;
    }

private:
    void show(bool shown)
    {
        if (shown == m_shown)
            return;
        m_shown = shown;
        Meter *m = meterOf(m_type);
        m->shown += shown ? 1 : -1;
        apply(m_type, false);
    }

    int m_type;
    bool m_shown = false;
};

} // namespace

void setRecording(int type, bool recording)
{
    Meter *m = meterOf(type);
    if (!m)
        return;
    m->recording = recording;
    apply(type, false);
}

void reopen(int type)
{
    if (meterOf(type))
        apply(type, true);
}

bool isOpen(int type)
{
    const Meter *m = meterOf(type);
    return m && m->open;
}

void watchBar(QWidget *bar, int type)
{
    if (bar && meterOf(type))
        new BarWatch(bar, type);
}

} // namespace LevelMeters
