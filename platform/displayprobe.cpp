#include "displayprobe.h"

#include "x11.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QThread>

#include <cstring>
#include <xcb/randr.h>

namespace {

// The side of the square of the root that is read.
constexpr uint16_t kCorner = 8;

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

bool environmentNamesWayland()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           || qgetenv("XDG_SESSION_TYPE").compare("wayland", Qt::CaseInsensitive) == 0;
}

bool serverIsXwayland(xcb_connection_t *c)
{
    const auto extensions = x11::reply(c, xcb_list_extensions(c), xcb_list_extensions_reply);
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
    const auto version = x11::reply(c, xcb_randr_query_version(c, 1, 3), xcb_randr_query_version_reply);
    if (!version)
        return environmentNamesWayland();
    const auto resources = x11::reply(c, xcb_randr_get_screen_resources_current(c, screen->root),
                                      xcb_randr_get_screen_resources_current_reply);
    if (!resources)
        return environmentNamesWayland();
    const xcb_randr_output_t *outputs = xcb_randr_get_screen_resources_current_outputs(resources.get());
    const int count = xcb_randr_get_screen_resources_current_outputs_length(resources.get());
    for (int i = 0; i < count; ++i) {
        const auto info = x11::reply(c, xcb_randr_get_output_info(c, outputs[i], resources->config_timestamp),
                                     xcb_randr_get_output_info_reply);
        if (!info)
            continue;
        const QByteArray name(reinterpret_cast<const char *>(xcb_randr_get_output_info_name(info.get())),
                              xcb_randr_get_output_info_name_length(info.get()));
        if (name.startsWith("XWAYLAND"))
            return true;
    }
    return false;
}

// The pixels of a small square at the top left of `window`, as the server
// gives them to a client; null when it refuses.
QByteArray cornerPixels(xcb_connection_t *c, xcb_window_t window)
{
    const auto image = x11::reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, kCorner, kCorner, ~0u), xcb_get_image_reply);
    if (!image)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(xcb_get_image_data(image.get())),
                      xcb_get_image_data_length(image.get()));
}

// Whether a client that reads the root window gets what the screen shows.
// Rootless Xwayland refuses (BadMatch: it keeps no picture of the root) or
// gives black; a rootful one, like any X server, gives the screen. A root
// all black proves nothing (a bare server's is), so then a small window of
// known pixels is mapped over its corner and looked for there, for a while
// (a compositing manager shows it only once it has drawn).
bool rootReadable(xcb_connection_t *c)
{
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!screen)
        return false;
    const QByteArray before = cornerPixels(c, screen->root);
    if (before.isNull())
        return false;
    if (before.count('\0') != before.size())
        return true;
    const xcb_window_t window = xcb_generate_id(c);
    const uint32_t values[] = {screen->white_pixel, 1};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, kCorner, kCorner, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT,
                      values);
    xcb_map_window(c, window);
    // Its own pixels, as the server keeps them: painted when it mapped.
    const QByteArray own = cornerPixels(c, window);
    bool shown = false;
    const QDeadlineTimer deadline(1000);
    while (!own.isNull() && !(shown = cornerPixels(c, screen->root) == own) && !deadline.hasExpired())
        QThread::msleep(20);
    xcb_destroy_window(c, window);
    xcb_flush(c);
    return shown;
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
    if (!m_canOpen) {
        release();
        return;
    }
    m_xwayland = serverIsXwayland(m_connection);
    m_screenReadable = !m_xwayland || rootReadable(m_connection);
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
