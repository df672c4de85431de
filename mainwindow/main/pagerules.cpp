#include "pagerules.h"

#include "core/recordkinds.h"
#include "regiongeometry.h"

#include <QGuiApplication>
#include <QScreen>

namespace pages {

QVector<Preset> fixedPresets(const QSize &screen)
{
    static const struct {
        int w, h;
        const char *text;
        bool separated;
    } all[] = {
        {1920, 1080, "1920x1080 (1080p)", false}, {1280, 720, "1280x720 (720p)", false},
        {854, 480, "854x480 (480p)", false},      {1024, 768, "1024x768", true},
        {640, 480, "640x480", false},
    };
    QVector<Preset> out;
    bool separatorDue = false;
    for (const auto &p : all) {
        separatorDue = separatorDue || p.separated;
        if (screen.width() > p.w && screen.height() > p.h) {
            out.append({QSize(p.w, p.h), QString::fromLatin1(p.text), separatorDue});
            separatorDue = false;
        }
    }
    return out;
}

QVector<int> screenChoices(int screenCount)
{
    QVector<int> out;
    if (screenCount > 1)
        out.append(-1);
    for (int i = 0; i < screenCount; ++i)
        out.append(i);
    return out;
}

QRect centredArea(const QSize &size, const QRect &screen)
{
    return region::presetRect(size, screen);
}

QRect moveOntoScreen(const QRect &local, const QRect &screen)
{
    QRect r = local.translated(screen.topLeft());
    if (r.bottom() > screen.bottom()) {
        const int bottom = screen.bottom();
        r.setTop(qMax(bottom - local.height() + 1, screen.top()));
        r.setBottom(bottom);
    }
    if (r.right() > screen.right()) {
        const int right = screen.right();
        r.setLeft(qMax(right - local.width() + 1, screen.left()));
        r.setRight(right);
    }
    return r;
}

bool recordButtonEnabled(int recordMode, bool screen, bool camera, bool systemSound, bool microphone)
{
    return recordMode != RecordModeNone && (screen || camera || systemSound || microphone);
}

QPoint cameraPlacement(int position, const QRect &frame, const QSize &size, int taskbar)
{
    const int w = size.width(), h = size.height();
    switch (position) {
    case 0:
        return QPoint(frame.left() + ((frame.right() - frame.left()) - (w - 1)) / 2,
                      frame.top() + ((frame.bottom() - frame.top()) - (h - 1)) / 2);
    case 1:
        return QPoint(frame.right() - (w - 1), frame.bottom() - (h - 1) - taskbar);
    case 2:
        return QPoint(frame.right() - (w - 1), frame.top());
    case 3:
        return QPoint(frame.left(), frame.bottom() - (h - 1) - taskbar);
    default:
        return frame.topLeft();
    }
}

int taskbarOffset()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() - screen->availableGeometry().height() : 0;
}

QPoint popupPosition(const QPoint &buttonGlobal, const QSize &button, int popupHeight, int available)
{
    const int x = buttonGlobal.x() - button.width();
    const int y = buttonGlobal.y() + popupHeight <= available ? buttonGlobal.y() + button.height()
                                                              : buttonGlobal.y() - popupHeight;
    return QPoint(x, y);
}

QPoint menuPoint(const QPoint &buttonGlobal, const QSize &button)
{
    return buttonGlobal + QPoint(-button.width() / 2, button.height() / 4);
}

} // namespace pages
