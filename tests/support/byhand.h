#pragma once
// Helpers of the tests that drive the real program from outside, as a user
// would: waiting, clicks and keys through xdotool, what the screen shows, and
// what the program wrote (files and History.xml).

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

struct xcb_connection_t;

namespace testsupport {

// The title of the program's windows, and its frame's width at display
// scale 1.0 (where the tests' offsets are measured).
inline const QString kTitle = QStringLiteral("Olvex Free Mirelo");
constexpr double kFrameWidth = 857.0;

// Ends the program however a test leaves.
struct Kill {
    QProcess &p;
    ~Kill();
};

// Waits (generously) until `probe` finds something; its last answer.
bool waitFor(const std::function<bool()> &probe, int timeoutMs);

// A left click at a point of the screen.
bool click(const QPoint &p);

// Key presses, e.g. {"ctrl+alt+s"}.
bool key(const QStringList &keys);

// True when a pixel of the screen around `p` passes `test` (0..255 each).
bool colourAt(const QPoint &p, const std::function<bool(int r, int g, int b)> &test);
// True when the screen around `p` shows something plainly red.
bool redAt(const QPoint &p);
// Waits until the screen inside `area` shows the same picture twice in a
// row, a moment apart: a page has finished sliding, a window is drawn.
bool waitStill(const QRect &area, int timeoutMs = 15000);
// Waits until `rect` (a window's place) reads the same twice in a row; that
// place, or an empty one on time-out.
QRect waitSettled(const std::function<QRect()> &rect, int timeoutMs = 15000);

// A visible top-level window of the program and where it is.
struct Win {
    QString id;
    QRect rect;
};
QList<Win> windows(qint64 pid, const QString &name);

// One entry of History.xml, newest first.
struct HistoryEntry {
    QString fileName;
    QString type; // "0" video, "1" audio
    QString size; // "WxH" of a video
};
QList<HistoryEntry> historyEntries(const QString &historyFile);
QStringList historyFiles(const QString &historyFile);

// What ffprobe finds in a media file: its streams as "type:codec" and the
// first video stream's size.
struct MediaInfo {
    QStringList streams;
    int width = 0, height = 0;
    double duration = 0;
};
MediaInfo probeMedia(const QString &file);

// What the screen shows inside `area`; null when it could not be read.
QImage screenPicture(const QRect &area);

// The last picture of a video file of this size, decoded by ffmpeg; null
// when there is none.
QImage lastFrame(const QString &file, const QSize &size);

// A compositing manager runs on the test's X screen.
bool compositorRunning();

// The window `top` lies above `below` in the X server's stacking (a window
// manager's frame stands for the window it holds).
bool stackedAbove(quint32 top, quint32 below);

// Where the window's top left corner is on the screen, as the X server has
// it (a window manager may have moved it since its program last heard).
QPoint screenPosition(quint32 window);

// How much of `picture` the screen shows with its top left corner at `at`:
// the share of a grid of its points, `margin` pixels away from its edges
// (rounded corners, shadows), where the screen's pixel is the picture's.
double screenShows(const QImage &picture, const QPoint &at, int margin = 12);

// A plain window of one colour on the test's X server, there as long as the
// object lives. Mapped before the program starts, it lies below all of the
// program's windows, as a desktop would. `windowType` (e.g.
// "_NET_WM_WINDOW_TYPE_DOCK") makes it a panel or a desktop as the program
// sees them.
class ColourWindow
{
public:
    ColourWindow(const QRect &rect, QRgb colour, const char *windowType = nullptr);
    ~ColourWindow();
    ColourWindow(const ColourWindow &) = delete;
    ColourWindow &operator=(const ColourWindow &) = delete;

    // Mapped now (another client may unmap it).
    bool isMapped() const;

private:
    xcb_connection_t *m_connection = nullptr;
    quint32 m_window = 0;
};

// The loudest sample of a file's sound in dB (0 at full scale; -91 or less
// is silence), from ffmpeg's volume detection.
double maxVolume(const QString &file);

} // namespace testsupport
