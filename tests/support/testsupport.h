#pragma once
// Small helpers shared by the tests.
#include <QByteArray>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

#include <sys/resource.h>

namespace testsupport {

// The program folder of this build (executable, engine library, Skin, Language).
QString binDir();
// The engine a test loads: the one MIRELO_ENGINE names (the test build with
// its synthetic camera, for the webcam tests), else the program folder's.
QString engineLibrary();
// The source tree, for fixtures kept beside the tests.
QString sourceDir();
// True when HOME and the XDG folders point into the private folder that
// run-test.sh made, so a test may write "user" files freely.
bool isolatedHome();

// The real desktop this run has (run-test.sh's desktop modes, named in
// MIRELO_TEST_DESKTOP), by the window manager's family; None on a bare server.
enum class Desktop { None, Xfce, Openbox, I3, Kwin };
Desktop desktop();
// Whether that desktop runs a compositing manager of its own from the start
// (xfwm4's, picom, KWin's).
bool desktopComposites();

// The drawing (inside any frame) of another program's window of X class
// `className` that asked for the place and size `asked`, once the window
// manager has placed it: some show a window first at the screen's corner
// and move it only later (KWin, for long on a loaded machine), so only a
// place at most a frame's border from the one asked counts, and only once
// it stays. Invalid when that does not come before the deadline.
QRect placedWindow(const QString &className, const QRect &asked, int timeoutMs = 30000);

// A full disk for this process while it lives: no file it writes may grow
// past `bytes` (the write fails with EFBIG instead of the signal).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved;
    void (*m_handler)(int);
};

// Makes a FIFO at the path (replacing what is there); false when it failed.
bool makeFifo(const QString &path);
// XML text nested `depth` elements deep.
QByteArray deepXml(int depth, const QByteArray &root = "a");
// A whole, valid PNG of that size, one bit a pixel and all black: a few
// kilobytes of file for a picture that decodes far larger.
QByteArray blackPng(int width, int height);
// An icon file (ICO, or CUR with `cursor`) whose directory says 256 x 256
// for each of `pictures` (PNG files or bitmap info headers as the icon
// format holds them): what it says need not be what they are.
QByteArray iconFile(const QList<QByteArray> &pictures, bool cursor = false);
// A bitmap info header (as an icon holds it) of a picture of that size.
QByteArray iconBitmapHeader(int width, int height);
// A GIF whose logical screen is `screen`, with a frame at each of `frames`
// whose data is one black pixel: some tens of bytes, whatever the sizes
// say. `graphicControl` puts an animation's control block before each frame.
QByteArray gifFile(const QSize &screen, const QList<QRect> &frames, bool graphicControl = false);
// The bytes as a gzip stream, as a packed drawing (.svgz) holds them.
QByteArray gzipped(const QByteArray &bytes);

} // namespace testsupport
