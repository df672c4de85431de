#include "displayprobe.h"

#include <QByteArray>
#include <QList>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/randr.h>
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

struct FreeReply {
    void operator()(void *p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

bool environmentNamesWayland()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           || qgetenv("XDG_SESSION_TYPE").compare("wayland", Qt::CaseInsensitive) == 0;
}

bool serverIsXwayland(xcb_connection_t *c)
{
    Reply<xcb_list_extensions_reply_t> extensions(xcb_list_extensions_reply(c, xcb_list_extensions(c), nullptr));
    bool randr = false;
    if (extensions) {
        for (auto it = xcb_list_extensions_names_iterator(extensions.get()); it.rem; xcb_str_next(&it)) {
            const QByteArray name(xcb_str_name(it.data), xcb_str_name_length(it.data));
            if (name == "XWAYLAND")
                return true;
            randr = randr || name == "RANDR";
        }
    }
    if (!randr)
        return environmentNamesWayland();
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!screen)
        return false;
    // The outputs' requests are RandR 1.3's: a client says which it speaks first.
    Reply<xcb_randr_query_version_reply_t> version(
        xcb_randr_query_version_reply(c, xcb_randr_query_version(c, 1, 3), nullptr));
    if (!version)
        return environmentNamesWayland();
    Reply<xcb_randr_get_screen_resources_current_reply_t> resources(xcb_randr_get_screen_resources_current_reply(
        c, xcb_randr_get_screen_resources_current(c, screen->root), nullptr));
    if (!resources)
        return environmentNamesWayland();
    const xcb_randr_output_t *outputs = xcb_randr_get_screen_resources_current_outputs(resources.get());
    const int count = xcb_randr_get_screen_resources_current_outputs_length(resources.get());
    for (int i = 0; i < count; ++i) {
        Reply<xcb_randr_get_output_info_reply_t> info(xcb_randr_get_output_info_reply(
            c, xcb_randr_get_output_info(c, outputs[i], resources->config_timestamp), nullptr));
        if (!info)
            continue;
        const QByteArray name(reinterpret_cast<const char *>(xcb_randr_get_output_info_name(info.get())),
                              xcb_randr_get_output_info_name_length(info.get()));
        if (name.startsWith("XWAYLAND"))
            return true;
    }
    return false;
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
    else
        m_xwayland = serverIsXwayland(m_connection);
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
