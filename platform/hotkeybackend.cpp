#include "hotkeybackend.h"

#include "x11hotkeybackend.h"

#include <QGuiApplication>

#include <memory>

namespace {

std::unique_ptr<HotkeyBackend> &defaultBackend()
{
    static std::unique_ptr<HotkeyBackend> backend;
    return backend;
}

HotkeyBackend *g_override = nullptr;

} // namespace

HotkeyBackend::~HotkeyBackend() = default;

HotkeyBackend *HotkeyBackend::instance()
{
    if (g_override)
        return g_override;
    auto &backend = defaultBackend();
    if (!backend) {
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            backend.reset(new X11HotkeyBackend);
        else
            backend.reset(new NullHotkeyBackend);
    }
    return backend.get();
}

void HotkeyBackend::setInstance(HotkeyBackend *backend)
{
    g_override = backend;
}
