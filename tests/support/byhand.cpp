#include "byhand.h"

#include "platform/x11.h"
#include "programrun.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include <cstring>

namespace testsupport {

bool waitFor(const std::function<bool()> &probe, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        if (probe())
            return true;
        QTest::qWait(150);
    }
    return probe();
}

bool click(const QPoint &p)
{
    return xdotool({"mousemove", QString::number(p.x()), QString::number(p.y()), "sleep", "0.2", "click", "1"});
}

bool key(const QStringList &keys)
{
    return xdotool(QStringList{"key", "--clearmodifiers", "--delay", "120"} + keys);
}

Kill::~Kill()
{
    stopProgram(p);
}

// The screen inside `area` as packed RGB, without the pointer; empty when
// it could not be read.
static QByteArray grab(const QRect &area)
{
    QProcess ff;
    ff.start("ffmpeg", {"-loglevel", "error", "-f", "x11grab", "-draw_mouse", "0", "-video_size",
                        QString("%1x%2").arg(area.width()).arg(area.height()), "-grab_x", QString::number(area.x()),
                        "-grab_y", QString::number(area.y()), "-i", qEnvironmentVariable("DISPLAY"), "-frames:v", "1",
                        "-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
    if (!ff.waitForFinished(10000))
        return {};
    return ff.readAllStandardOutput();
}

QImage screenPicture(const QRect &area)
{
    const QByteArray rgb = grab(area);
    if (rgb.size() != area.width() * area.height() * 3)
        return QImage();
    return QImage(reinterpret_cast<const uchar *>(rgb.constData()), area.width(), area.height(), area.width() * 3,
                  QImage::Format_RGB888)
        .copy();
}

bool colourAt(const QPoint &p, const std::function<bool(int r, int g, int b)> &test)
{
    const QByteArray px = grab(QRect(p - QPoint(3, 3), QSize(7, 7)));
    for (int i = 0; i + 2 < px.size(); i += 3)
        if (test(uchar(px[i]), uchar(px[i + 1]), uchar(px[i + 2])))
            return true;
    return false;
}

bool waitStill(const QRect &area, int timeoutMs)
{
    QByteArray last;
    return waitFor(
        [&] {
            const QByteArray now = grab(area);
            const bool still = !now.isEmpty() && now == last;
            last = now;
            return still;
        },
        timeoutMs);
}

QRect waitSettled(const std::function<QRect()> &rect, int timeoutMs)
{
    QRect last;
    const bool settled = waitFor(
        [&] {
            const QRect now = rect();
            const bool same = !now.isEmpty() && now == last;
            last = now;
            return same;
        },
        timeoutMs);
    return settled ? last : QRect();
}

bool redAt(const QPoint &p)
{
    return colourAt(p, [](int r, int g, int b) { return r > 150 && r > g + 60 && r > b + 60; });
}

QList<Win> windows(qint64 pid, const QString &name)
{
    QList<Win> list;
    for (const QString &id : visibleWindows(pid, name))
        list.append({id, windowGeometry(id)});
    return list;
}

QList<HistoryEntry> historyEntries(const QString &historyFile)
{
    QList<HistoryEntry> list;
    QFile f(historyFile);
    if (!f.open(QIODevice::ReadOnly))
        return list;
    QXmlStreamReader xml(&f);
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("History"))
            continue;
        if (xml.name() == QLatin1String("Item")) {
            const QXmlStreamAttributes a = xml.attributes();
            list.append({a.value("FileName").toString(), a.value("Type").toString(), a.value("Size").toString()});
        }
        xml.skipCurrentElement();
    }
    return xml.hasError() ? QList<HistoryEntry>() : list;
}

QStringList historyFiles(const QString &historyFile)
{
    QStringList names;
    for (const HistoryEntry &e : historyEntries(historyFile))
        names << e.fileName;
    return names;
}

MediaInfo probeMedia(const QString &file)
{
    QProcess p;
    p.start("ffprobe", {"-v", "error", "-show_entries", "stream=codec_type,codec_name,width,height:format=duration",
                        "-of", "default=nw=1", file});
    p.waitForFinished(30000);
    MediaInfo r;
    QString codec;
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        const QString k = line.section('=', 0, 0), v = line.section('=', 1);
        if (k == "codec_name")
            codec = v;
        else if (k == "codec_type")
            r.streams << v + ':' + codec;
        else if (k == "width" && r.width == 0)
            r.width = v.toInt();
        else if (k == "height" && r.height == 0)
            r.height = v.toInt();
        else if (k == "duration")
            r.duration = v.toDouble();
    }
    return r;
}

QImage lastFrame(const QString &file, const QSize &size)
{
    QProcess ff;
    ff.start("ffmpeg", {"-loglevel", "error", "-sseof", "-1", "-i", file, "-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
    ff.waitForFinished(30000);
    const QByteArray all = ff.readAllStandardOutput();
    const int bytes = size.width() * size.height() * 3;
    if (size.isEmpty() || all.size() < bytes)
        return QImage();
    const QByteArray last = all.right(bytes);
    return QImage(reinterpret_cast<const uchar *>(last.constData()), size.width(), size.height(), size.width() * 3,
                  QImage::Format_RGB888)
        .copy();
}

bool compositorRunning()
{
    int screen = 0;
    xcb_connection_t *c = xcb_connect(nullptr, &screen);
    bool running = false;
    if (!xcb_connection_has_error(c)) {
        const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
        const auto atom = x11::reply(c, xcb_intern_atom(c, 0, name.size(), name.constData()), xcb_intern_atom_reply);
        if (atom) {
            const auto owner = x11::reply(c, xcb_get_selection_owner(c, atom->atom), xcb_get_selection_owner_reply);
            running = owner && owner->owner != XCB_NONE;
        }
    }
    xcb_disconnect(c);
    return running;
}

namespace {

// `w` is `id` or holds it.
bool holds(xcb_connection_t *c, xcb_window_t w, xcb_window_t id)
{
    if (w == id)
        return true;
    const auto tree = x11::reply(c, xcb_query_tree(c, w), xcb_query_tree_reply);
    bool found = false;
    const xcb_window_t *kids = tree ? xcb_query_tree_children(tree.get()) : nullptr;
    for (int i = 0; tree && !found && i < xcb_query_tree_children_length(tree.get()); ++i)
        found = holds(c, kids[i], id);
    return found;
}

} // namespace

bool stackedAbove(quint32 top, quint32 below)
{
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return false;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    // The root's children, bottom first.
    const auto tree = x11::reply(c, xcb_query_tree(c, root), xcb_query_tree_reply);
    int a = -1, b = -1;
    const xcb_window_t *kids = tree ? xcb_query_tree_children(tree.get()) : nullptr;
    for (int i = 0; tree && i < xcb_query_tree_children_length(tree.get()); ++i) {
        if (holds(c, kids[i], top))
            a = i;
        else if (holds(c, kids[i], below))
            b = i;
    }
    xcb_disconnect(c);
    return a >= 0 && b >= 0 && a > b;
}

QPoint screenPosition(quint32 window)
{
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    QPoint at;
    if (!xcb_connection_has_error(c)) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        const auto r = x11::reply(c, xcb_translate_coordinates(c, window, root, 0, 0), xcb_translate_coordinates_reply);
        if (r)
            at = QPoint(r->dst_x, r->dst_y);
    }
    xcb_disconnect(c);
    return at;
}

double screenShows(const QImage &picture, const QPoint &at, int margin)
{
    const QRect area = picture.rect().adjusted(margin, margin, -margin, -margin);
    if (picture.isNull() || area.isEmpty())
        return 0;
    const QByteArray shown = grab(area.translated(at));
    if (shown.size() != area.width() * area.height() * 3)
        return 0;
    int same = 0, all = 0;
    for (int y = 0; y < area.height(); y += 7) {
        for (int x = 0; x < area.width(); x += 7) {
            const QColor a = picture.pixelColor(area.topLeft() + QPoint(x, y));
            const int i = (y * area.width() + x) * 3;
            ++all;
            same += qAbs(a.red() - uchar(shown[i])) <= 8 && qAbs(a.green() - uchar(shown[i + 1])) <= 8
                    && qAbs(a.blue() - uchar(shown[i + 2])) <= 8;
        }
    }
    return double(same) / all;
}

ColourWindow::ColourWindow(const QRect &rect, QRgb colour, const char *windowType)
{
    m_connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(m_connection))
        return;
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    const xcb_window_t window = xcb_generate_id(m_connection);
    // Override-redirect: no window manager frames or moves it.
    const uint32_t values[] = {colour & 0xffffffu, 1};
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, screen->root, int16_t(rect.x()), int16_t(rect.y()),
                      uint16_t(rect.width()), uint16_t(rect.height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
    if (windowType) {
        auto atom = [this](const char *name) {
            const auto r = x11::reply(m_connection, xcb_intern_atom(m_connection, 0, uint16_t(strlen(name)), name),
                                      xcb_intern_atom_reply);
            return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        };
        const xcb_atom_t type = atom(windowType);
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM,
                            32, 1, &type);
    }
    xcb_map_window(m_connection, window);
    m_window = window;
    x11::roundTrip(m_connection);
}

bool ColourWindow::isMapped() const
{
    if (!m_connection || xcb_connection_has_error(m_connection))
        return false;
    const auto r =
        x11::reply(m_connection, xcb_get_window_attributes(m_connection, m_window), xcb_get_window_attributes_reply);
    return r && r->map_state != XCB_MAP_STATE_UNMAPPED;
}

ColourWindow::~ColourWindow()
{
    // Its window goes with the connection.
    if (m_connection)
        xcb_disconnect(m_connection);
}

double maxVolume(const QString &file)
{
    QProcess p;
    p.start("ffmpeg", {"-nostats", "-i", file, "-af", "volumedetect", "-f", "null", "-"});
    p.waitForFinished(30000);
    const QString log = QString::fromUtf8(p.readAllStandardError());
    const QRegularExpressionMatch m = QRegularExpression("max_volume: (-?[0-9.]+) dB").match(log);
    return m.hasMatch() ? m.captured(1).toDouble() : -1000.0;
}

} // namespace testsupport
