#include "controlbarlink.h"

#include "controlpanel.h"

namespace {
ControlBarLink::Factory g_factory = nullptr;
}

namespace ControlBarLink {

QDialog *create(QWidget *parent, TaskScheduleItem *item)
{
    if (g_factory)
        return g_factory(parent, item);
    return new ControlPanel(parent, item);
}

void setFactory(Factory factory)
{
    g_factory = factory;
}

ControlBar *of(QDialog *bar)
{
    return dynamic_cast<ControlBar *>(bar);
}

int recordState(QDialog *bar)
{
    ControlBar *control = of(bar);
    return control ? control->recordState() : 0;
}

#define MIRELO_BAR_CALL(name, params, args)                                                                   \
    void name params                                                                                           \
    {                                                                                                          \
        if (ControlBar *control = of(bar))                                                                     \
            control->name args;                                                                                \
    }
MIRELO_BAR_CALL(setSystemSoundLevel, (QDialog *bar, int level), (level))
MIRELO_BAR_CALL(setMicrophoneLevel, (QDialog *bar, int level), (level))
MIRELO_BAR_CALL(startRecord, (QDialog *bar), ())
MIRELO_BAR_CALL(pauseRecord, (QDialog *bar), ())
MIRELO_BAR_CALL(stopRecord, (QDialog *bar), ())
MIRELO_BAR_CALL(stopUnattended, (QDialog *bar), ())
MIRELO_BAR_CALL(finishForExit, (QDialog *bar), ())
MIRELO_BAR_CALL(recordingFailed, (QDialog *bar, int error), (error))
MIRELO_BAR_CALL(soundLost, (QDialog *bar), ())
MIRELO_BAR_CALL(screenshot, (QDialog *bar), ())
MIRELO_BAR_CALL(retranslate, (QDialog *bar), ())
#undef MIRELO_BAR_CALL

} // namespace ControlBarLink
