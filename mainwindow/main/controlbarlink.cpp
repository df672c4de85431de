#include "controlbarlink.h"

#include <QDialog>
#include <QVariant>

#if __has_include("controlpanel.h")
#include "controlpanel.h"
#define MIRELO_HAS_CONTROL_PANEL 1
#endif

namespace {
ControlBarLink::Factory g_factory = nullptr;
}

namespace ControlBarLink {

QDialog *create(QWidget *parent, TaskScheduleItem *item)
{
    if (g_factory)
        return g_factory(parent, item);
#ifdef MIRELO_HAS_CONTROL_PANEL
    return new ControlPanel(parent, item);
#else
    Q_UNUSED(parent)
    Q_UNUSED(item)
    return nullptr;
#endif
}

void setFactory(Factory factory)
{
    g_factory = factory;
}

int recordState(QDialog *bar)
{
#ifdef MIRELO_HAS_CONTROL_PANEL
    if (auto *panel = qobject_cast<ControlPanel *>(bar))
        return panel->recordState();
#endif
    return bar ? bar->property("recordState").toInt() : 0;
}

void setSystemSoundLevel(QDialog *bar, int level)
{
#ifdef MIRELO_HAS_CONTROL_PANEL
    if (auto *panel = qobject_cast<ControlPanel *>(bar))
        return panel->setSystemSoundLevel(level);
#endif
    if (bar)
        bar->setProperty("systemSoundLevel", level);
}

void setMicrophoneLevel(QDialog *bar, int level)
{
#ifdef MIRELO_HAS_CONTROL_PANEL
    if (auto *panel = qobject_cast<ControlPanel *>(bar))
        return panel->setMicrophoneLevel(level);
#endif
    if (bar)
        bar->setProperty("microphoneLevel", level);
}

void call(QDialog *bar, const char *slot)
{
    if (bar)
        QMetaObject::invokeMethod(bar, slot);
}

void call(QDialog *bar, const char *slot, int value)
{
    if (bar)
        QMetaObject::invokeMethod(bar, slot, Q_ARG(int, value));
}

} // namespace ControlBarLink
