#include "displayprobe.h"

#include <QByteArray>
#include <QList>

#include <cstring>
#include <xcb/xcb.h>

namespace {

// The value following `option` ("-platform", "-display"), or null.
const char *optionValue(int argc, char **argv, const char *option)
{
    const char *value = nullptr;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0 || (argv[i][0] == '-' && std::strcmp(argv[i] + 1, option) == 0))
            value = argv[i + 1];
    }
    return value;
}

} // namespace

DisplayProbe::DisplayProbe(int argc, char **argv)
{
    QByteArray platform = optionValue(argc, argv, "-platform");
    if (platform.isEmpty())
        platform = qgetenv("QT_QPA_PLATFORM");
    // "xcb:..." carries plugin options; "wayland;xcb" lists fallbacks.
    platform = platform.split(';').value(0).split(':').value(0);
    if (!platform.isEmpty() && platform != "xcb")
        return;
    m_connection = xcb_connect(optionValue(argc, argv, "-display"), nullptr);
    m_canOpen = m_connection && xcb_connection_has_error(m_connection) == 0;
    if (!m_canOpen)
        release();
}

DisplayProbe::~DisplayProbe()
{
    release();
}

void DisplayProbe::release()
{
    if (m_connection)
        xcb_disconnect(m_connection);
    m_connection = nullptr;
}
