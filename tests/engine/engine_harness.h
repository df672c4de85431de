#pragma once
// Drives the engine library the way any program does: loads the file, asks
// the entry symbol for operations by number. Plus ffprobe/ffmpeg helpers to
// look at what was recorded.
#include <QByteArray>
#include <QJsonObject>
#include <QLibrary>
#include <QString>
#include <QVector>

#include <mirelo/engine_api.h>

namespace enginetest {

class Engine
{
public:
    // Loads libMirelo.so from the program folder and initialises it.
    bool load(QString *error = nullptr);
    void shutdown();
    template <class Fn>
    Fn op(int ordinal) const { return reinterpret_cast<Fn>(m_entry(ordinal)); }

    int setRect(int x, int y, int w, int h) const;
    int start(const RecordParams &p) const { return op<MireloStartRecordingFn>(MIRELO_OP_START_RECORDING)(&p); }
    int stop() const { return op<MireloStopRecordingFn>(MIRELO_OP_STOP_RECORDING)(); }
    int pause() const { return op<MireloPauseRecordingFn>(MIRELO_OP_PAUSE_RECORDING)(); }
    int resume() const { return op<MireloResumeRecordingFn>(MIRELO_OP_RESUME_RECORDING)(); }
    int64_t time() const;
    int64_t size() const;
    // Events "the recording failed" raised since load, and the data of the last.
    int failureEvents() const;
    int lastFailureData() const;
    // Waits until the recorded time of the recording under way reaches
    // `us`; false after `timeoutMs`. A loaded machine records slower than
    // the clock on the wall, so tests wait for recorded time, not sleep.
    bool waitTime(int64_t us, int timeoutMs = 20000) const;
    // Waits until the recorded time has stood still for two seconds (a part
    // that ended by itself; a loaded machine may hold a running one back for
    // a moment); false after `timeoutMs`.
    bool waitEnded(int timeoutMs = 40000) const;

private:
    QLibrary m_lib;
    MireloEngineEntryFn m_entry = nullptr;
};

// A screen job's block: software H.264 of w x h at fps.
RecordParams screenJob(const QByteArray &path, int w, int h, float fps);

// ffprobe's JSON of the file's first video stream and format; empty on failure.
QJsonObject probeVideo(const QString &file);
// Number of decodable video frames and whether decoding reported errors.
int countFrames(const QString &file, bool *clean = nullptr);
// The presentation times of the video packets, in seconds, sorted.
QVector<double> packetTimes(const QString &file);
// The presentation times of the pictures that decode, in seconds, sorted: a
// packet cut short by a full disk has none.
QVector<double> pictureTimes(const QString &file);
// One decoded frame at `seconds` as packed RGB24 (w * h * 3 bytes).
QByteArray frameAt(const QString &file, double seconds, int w, int h);
// The RGB of a pixel of such a frame.
struct Rgb { int r, g, b; };
Rgb pixel(const QByteArray &rgb, int w, int x, int y);
// True when the file's index (moov) comes before its media data (mdat).
bool indexAtFront(const QString &file);
// Paints the X root window one colour (0xRRGGBB) so pixels are predictable.
bool paintRoot(unsigned rgb);
// Draws a filled rectangle straight on the X root window.
bool fillRoot(int x, int y, int w, int h, unsigned rgb);
// Moves the mouse pointer to screen pixel (x, y).
bool movePointer(int x, int y);
// A private folder for outputs, removed with the test's root.
QString outDir();

} // namespace enginetest
