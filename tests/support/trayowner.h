#pragma once
// Stands in for a desktop's tray on the test's private X server: while it
// lives it owns the tray selection of screen 0, so a program started there
// sees a tray (QSystemTrayIcon::isSystemTrayAvailable). Nothing docks.

struct xcb_connection_t;

namespace testsupport {

class TrayOwner
{
public:
    TrayOwner();
    ~TrayOwner();
    TrayOwner(const TrayOwner &) = delete;
    TrayOwner &operator=(const TrayOwner &) = delete;

    // True once the selection is ours.
    bool isValid() const { return m_owned; }

private:
    xcb_connection_t *m_connection = nullptr;
    bool m_owned = false;
};

} // namespace testsupport
