// The test engine's operations, trace and event thread.
#include "mirelo_test_engine.h"
#include "script.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <thread>

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace testengine {
namespace {

using Clock = std::chrono::steady_clock;

// ---- state -------------------------------------------------------------

std::mutex g_mutex; // guards everything below but the event thread's queue
Script g_script;
bool g_scriptFromControl = false;
EngineEventCallback g_callback = nullptr;
void *g_context = nullptr;
std::string g_trace;
std::string g_traceCopy;
std::vector<MireloEncoderAdapter> g_adapters;
std::vector<CameraFormat> g_formats;

// ---- event thread ------------------------------------------------------

class EventThread
{
public:
    ~EventThread() { stop(); }

    void start()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_thread.joinable())
            return;
        m_stop = false;
        m_thread = std::thread([this] { run(); });
    }

    void stop()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_thread.joinable())
                return;
            m_stop = true;
            m_queue.clear();
        }
        m_wake.notify_all();
        m_thread.join();
    }

    void post(int event, int data, int delayMs)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_queue.emplace(Clock::now() + std::chrono::milliseconds(delayMs), std::make_pair(event, data));
        }
        m_wake.notify_all();
    }

private:
    void run()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_stop) {
            if (m_queue.empty()) {
                m_wake.wait(lock);
                continue;
            }
            auto first = m_queue.begin();
            if (Clock::now() < first->first) {
                m_wake.wait_until(lock, first->first);
                continue;
            }
            const auto ev = first->second;
            m_queue.erase(first);
            lock.unlock();
            EngineEventCallback callback;
            void *context;
            {
                std::lock_guard<std::mutex> state(g_mutex);
                callback = g_callback;
                context = g_context;
            }
            if (callback) {
                int data = ev.second;
                callback(ev.first, &data, context);
            }
            lock.lock();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::multimap<Clock::time_point, std::pair<int, int>> m_queue;
    std::thread m_thread;
    bool m_stop = false;
};

EventThread &events()
{
    static EventThread thread;
    return thread;
}

// ---- trace -------------------------------------------------------------

std::string quoted(const std::string &s)
{
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out + '"';
}

std::string utf8(const char16_t *s)
{
    std::string out;
    if (!s)
        return out;
    for (size_t i = 0; s[i]; ++i) {
        unsigned c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unsigned(s[i + 1]) - 0xDC00);
            ++i;
        }
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string utf16(const std::string &s)
{
    std::u16string out;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = s[i];
        unsigned cp = c;
        int extra = 0;
        if (c >= 0xF0) { cp = c & 0x07; extra = 3; }
        else if (c >= 0xE0) { cp = c & 0x0F; extra = 2; }
        else if (c >= 0xC0) { cp = c & 0x1F; extra = 1; }
        ++i;
        for (int k = 0; k < extra && i < s.size(); ++k, ++i)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += char16_t(0xD800 + (cp >> 10));
            out += char16_t(0xDC00 + (cp & 0x3FF));
        } else {
            out += char16_t(cp);
        }
    }
    return out;
}

// Appends one line to the memory trace and the trace file.
void trace(int ordinal, const std::string &args, long long result)
{
    std::ostringstream line;
    line << nameOf(ordinal);
    if (!args.empty())
        line << ' ' << args;
    line << " -> " << result << '\n';
    std::lock_guard<std::mutex> lock(g_mutex);
    g_trace += line.str();
    if (const char *file = std::getenv("MIRELO_TEST_ENGINE_TRACE")) {
        std::ofstream out(file, std::ios::app);
        out << line.str();
    }
}

class Args
{
public:
    template <typename T>
    Args &add(const char *key, const T &value)
    {
        sep();
        m_s << key << '=' << value;
        return *this;
    }
    Args &str(const char *key, const std::string &value)
    {
        sep();
        m_s << key << '=' << quoted(value);
        return *this;
    }
    Args &ptr(const char *key, const void *p) { return add(key, p ? 1 : 0); }
    Args &hex(const char *key, int value)
    {
        char buf[16];
        std::snprintf(buf, sizeof buf, "0x%08x", unsigned(value));
        return add(key, buf);
    }
    Args &raw(const std::string &text)
    {
        sep();
        m_s << text;
        return *this;
    }
    std::string text() const { return m_s.str(); }

private:
    void sep()
    {
        if (m_s.tellp() > 0)
            m_s << ' ';
    }
    std::ostringstream m_s;
};

// ---- answers -----------------------------------------------------------

// The scripted answer of an operation, else `fallback`.
int answer(int ordinal, int fallback)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    auto it = g_script.results.find(ordinal);
    if (it == g_script.results.end() || it->second.empty())
        return fallback;
    const int value = it->second.front();
    if (it->second.size() > 1)
        it->second.erase(it->second.begin());
    return value;
}

long long nextValue(std::vector<long long> *values)
{
    if (values->empty())
        return 0;
    const long long v = values->front();
    if (values->size() > 1)
        values->erase(values->begin());
    return v;
}

// Raises the events the script ties to an operation.
void afterCall(int ordinal)
{
    std::vector<ScriptEvent> due;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        for (const ScriptEvent &e : g_script.events) {
            if (e.onOrdinal == ordinal)
                due.push_back(e);
        }
    }
    for (const ScriptEvent &e : due) {
        if (!e.onCaller) {
            events().post(e.event, e.data, e.afterMs);
            continue;
        }
        EngineEventCallback callback;
        void *context;
        {
            std::lock_guard<std::mutex> lock(g_mutex);
            callback = g_callback;
            context = g_context;
        }
        int data = e.data;
        if (callback)
            callback(e.event, &data, context);
    }
}

int finish(int ordinal, const Args &args, int result)
{
    trace(ordinal, args.text(), result);
    afterCall(ordinal);
    return result;
}

// Writes a name into a caller buffer as a careful engine does (at most 1023
// units and a terminator), or as the script's careless one does.
void writeName(char16_t *buffer, const std::string &name)
{
    if (!buffer)
        return;
    std::u16string text = utf16(name);
    bool unterminated, longNames;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        unterminated = g_script.unterminatedNames;
        longNames = g_script.longNames;
    }
    if (unterminated) {
        for (int i = 0; i < MIRELO_NAME_BUFFER_UNITS; ++i)
            buffer[i] = i < int(text.size()) ? text[i] : u'x';
        return;
    }
    if (longNames)
        text.resize(2000, u'y');
    const size_t n = std::min<size_t>(text.size(), MIRELO_NAME_BUFFER_UNITS - 1);
    text.copy(buffer, n);
    buffer[n] = 0;
}

std::string listEntry(const std::vector<std::string> &list, int index, const std::string &fallback)
{
    return index >= 0 && index < int(list.size()) ? list[index] : fallback;
}

void loadScriptFile()
{
    const char *file = std::getenv("MIRELO_TEST_ENGINE_SCRIPT");
    if (!file)
        return;
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    Script script;
    std::string error;
    if (!parseScript(text.str(), &script, &error)) {
        std::fprintf(stderr, "test engine: %s: %s\n", file, error.c_str());
        script = Script();
    }
    g_script = script;
}

// ---- operations --------------------------------------------------------

int initialize(const char *folder, EngineEventCallback callback, void *context)
{
    std::vector<ScriptEvent> startup;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        if (!g_scriptFromControl)
            loadScriptFile();
        g_scriptFromControl = false;
        g_callback = callback;
        g_context = context;
        for (const ScriptEvent &e : g_script.events) {
            if (!e.onOrdinal)
                startup.push_back(e);
        }
    }
    events().start();
    const int result = answer(MIRELO_OP_INITIALIZE, 0);
    trace(MIRELO_OP_INITIALIZE,
          Args().str("dataFolder", folder ? folder : "").ptr("callback", reinterpret_cast<void *>(callback)).ptr("context", context).text(),
          result);
    for (const ScriptEvent &e : startup)
        events().post(e.event, e.data, e.afterMs);
    return result;
}

int shutdown()
{
    events().stop();
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_callback = nullptr;
        g_context = nullptr;
    }
    return finish(MIRELO_OP_SHUTDOWN, Args(), answer(MIRELO_OP_SHUTDOWN, 0));
}

int getEncoderAdapters(const MireloEncoderAdapter **list, int *count)
{
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_adapters.clear();
        for (int family : g_script.adapterFamilies) {
            MireloEncoderAdapter a{};
            const std::u16string name = utf16("Adapter " + std::to_string(g_adapters.size()));
            name.copy(a.name, name.size());
            a.family = family;
            g_adapters.push_back(a);
        }
        if (list)
            *list = g_adapters.empty() ? nullptr : g_adapters.data();
        if (count)
            *count = int(g_adapters.size());
    }
    Args args;
    args.ptr("list", list).ptr("count", count);
    return finish(MIRELO_OP_GET_ENCODER_ADAPTERS, args, answer(MIRELO_OP_GET_ENCODER_ADAPTERS, 0));
}

int testHardwareEncoder(int family, int reserved)
{
    int fallback = 0;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        auto it = g_script.hwTest.find(family);
        if (it != g_script.hwTest.end())
            fallback = it->second;
    }
    return finish(MIRELO_OP_TEST_HARDWARE_ENCODER, Args().add("family", family).add("reserved", reserved),
                  answer(MIRELO_OP_TEST_HARDWARE_ENCODER, fallback));
}

int setCaptureRect(const MireloCaptureRect *r)
{
    Args args;
    if (r)
        args.add("left", r->left).add("top", r->top).add("right", r->right).add("bottom", r->bottom);
    else
        args.raw("null");
    return finish(MIRELO_OP_SET_CAPTURE_RECT, args, answer(MIRELO_OP_SET_CAPTURE_RECT, 0));
}

int cameraCount()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return int(g_script.cameras.size());
}

int getCameraCount()
{
    return finish(MIRELO_OP_GET_CAMERA_COUNT, Args(), answer(MIRELO_OP_GET_CAMERA_COUNT, cameraCount()));
}

int nameCall(int ordinal, const Args &args, char16_t *buffer, bool inRange, const std::string &text)
{
    const int result = answer(ordinal, inRange ? 0 : -1);
    if (result >= 0 && inRange)
        writeName(buffer, text);
    return finish(ordinal, args, result);
}

int getCameraName(int index, char16_t *buffer)
{
    std::string name;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        name = listEntry(g_script.cameras, index, "");
    }
    return nameCall(MIRELO_OP_GET_CAMERA_NAME, Args().add("index", index).ptr("buffer", buffer), buffer,
                    index >= 0 && index < cameraCount(), name);
}

int getCameraId(int index, char16_t *buffer)
{
    std::string id;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        id = listEntry(g_script.cameraIds, index, "camera-" + std::to_string(index));
    }
    return nameCall(MIRELO_OP_GET_CAMERA_ID, Args().add("index", index).ptr("buffer", buffer), buffer,
                    index >= 0 && index < cameraCount(), id);
}

int selectCamera(int index)
{
    return finish(MIRELO_OP_SELECT_CAMERA, Args().add("index", index), answer(MIRELO_OP_SELECT_CAMERA, 0));
}

int audioCount(int type)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    auto it = g_script.audio.find(type);
    return it == g_script.audio.end() ? 0 : int(it->second.size());
}

int getAudioDeviceCount(int type)
{
    return finish(MIRELO_OP_GET_AUDIO_DEVICE_COUNT, Args().add("type", type),
                  answer(MIRELO_OP_GET_AUDIO_DEVICE_COUNT, audioCount(type)));
}

int getAudioDeviceName(int type, int index, char16_t *buffer)
{
    std::string name;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        name = listEntry(g_script.audio[type], index, "");
    }
    return nameCall(MIRELO_OP_GET_AUDIO_DEVICE_NAME, Args().add("type", type).add("index", index).ptr("buffer", buffer),
                    buffer, index >= 0 && index < audioCount(type), name);
}

int getAudioDeviceId(int type, int index, char16_t *buffer)
{
    std::string id;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        id = listEntry(g_script.audioIds[type], index,
                       "audio-" + std::to_string(type) + "-" + std::to_string(index));
    }
    return nameCall(MIRELO_OP_GET_AUDIO_DEVICE_ID, Args().add("type", type).add("index", index).ptr("buffer", buffer),
                    buffer, index >= 0 && index < audioCount(type), id);
}

int getCurrentAudioDevice(int type)
{
    int fallback = audioCount(type) > 0 ? 0 : -1;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        auto it = g_script.current.find(type);
        if (it != g_script.current.end())
            fallback = it->second;
    }
    return finish(MIRELO_OP_GET_CURRENT_AUDIO_DEVICE, Args().add("type", type),
                  answer(MIRELO_OP_GET_CURRENT_AUDIO_DEVICE, fallback));
}

int selectAudioDevice(int type, int index)
{
    return finish(MIRELO_OP_SELECT_AUDIO_DEVICE, Args().add("type", type).add("index", index),
                  answer(MIRELO_OP_SELECT_AUDIO_DEVICE, 0));
}

int startRecording(const RecordParams *p)
{
    Args a;
    if (!p) {
        a.raw("null");
    } else {
        a.str("filePath", p->filePath ? p->filePath : "").add("formatCode", p->formatCode)
            .add("hardwareEncoder", p->hardwareEncoder).add("width", p->width).add("height", p->height)
            .add("frameRate", p->frameRate).add("videoQuality", p->videoQuality)
            .add("audioSources", p->audioSources).add("streamCode", p->streamCode)
            .add("fixedCode", p->fixedCode).add("sampleRate", p->sampleRate)
            .add("audioQuality", p->audioQuality).add("audioOnly", p->audioOnly)
            .add("captureCursor", p->captureCursor).add("recordClicks", p->recordClicks)
            .hex("clickColor", p->clickColor).add("clickRadius", p->clickRadius)
            .add("sourceKind", p->sourceKind).add("reserved76", p->reserved76)
            .add("textWatermark", p->textWatermark).add("imageWatermark", p->imageWatermark);
    }
    return finish(MIRELO_OP_START_RECORDING, a, answer(MIRELO_OP_START_RECORDING, 0));
}

int simple(int ordinal)
{
    return finish(ordinal, Args(), answer(ordinal, 0));
}

int stopRecording() { return simple(MIRELO_OP_STOP_RECORDING); }
int pauseRecording() { return simple(MIRELO_OP_PAUSE_RECORDING); }
int resumeRecording() { return simple(MIRELO_OP_RESUME_RECORDING); }
int closeCamera() { return simple(MIRELO_OP_CLOSE_CAMERA); }

int outValue(int ordinal, int64_t *out, std::vector<long long> Script::*values)
{
    long long v;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        v = nextValue(&(g_script.*values));
    }
    const int result = answer(ordinal, 0);
    if (out && result == 0)
        *out = v;
    return finish(ordinal, Args().ptr("out", out), result);
}

int getRecordedTime(int64_t *us) { return outValue(MIRELO_OP_GET_RECORDED_TIME, us, &Script::times); }
int getRecordedSize(int64_t *bytes) { return outValue(MIRELO_OP_GET_RECORDED_SIZE, bytes, &Script::sizes); }

int addMouseClick(int x, int y)
{
    return finish(MIRELO_OP_ADD_MOUSE_CLICK, Args().add("x", x).add("y", y), answer(MIRELO_OP_ADD_MOUSE_CLICK, 0));
}

int typeCall(int ordinal, int type) { return finish(ordinal, Args().add("type", type), answer(ordinal, 0)); }
int openAudioDevice(int type) { return typeCall(MIRELO_OP_OPEN_AUDIO_DEVICE, type); }
int closeAudioDevice(int type) { return typeCall(MIRELO_OP_CLOSE_AUDIO_DEVICE, type); }
int refreshDevices(int type) { return typeCall(MIRELO_OP_REFRESH_DEVICES, type); }

int setAudioVolume(int type, int volume)
{
    return finish(MIRELO_OP_SET_AUDIO_VOLUME, Args().add("type", type).add("volume", volume),
                  answer(MIRELO_OP_SET_AUDIO_VOLUME, 0));
}

int openCamera(uint64_t window)
{
    return finish(MIRELO_OP_OPEN_CAMERA, Args().add("window", window), answer(MIRELO_OP_OPEN_CAMERA, 0));
}

int takeCameraPhoto(const char *path)
{
    return finish(MIRELO_OP_TAKE_CAMERA_PHOTO, Args().str("path", path ? path : ""),
                  answer(MIRELO_OP_TAKE_CAMERA_PHOTO, 0));
}

int getCameraFormats(const CameraFormat **list)
{
    int count;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_formats = g_script.formats;
        if (list)
            *list = g_formats.empty() ? nullptr : g_formats.data();
        count = int(g_formats.size());
    }
    return finish(MIRELO_OP_GET_CAMERA_FORMATS, Args().ptr("list", list), answer(MIRELO_OP_GET_CAMERA_FORMATS, count));
}

int getCameraFormat()
{
    int current;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        current = g_script.format;
    }
    return finish(MIRELO_OP_GET_CAMERA_FORMAT, Args(), answer(MIRELO_OP_GET_CAMERA_FORMAT, current));
}

int setCameraFormat(int index)
{
    const int result = answer(MIRELO_OP_SET_CAMERA_FORMAT, 0);
    if (result >= 0) {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_script.format = index;
    }
    return finish(MIRELO_OP_SET_CAMERA_FORMAT, Args().add("index", index), result);
}

int setCameraFlip(int flip)
{
    return finish(MIRELO_OP_SET_CAMERA_FLIP, Args().add("flip", flip), answer(MIRELO_OP_SET_CAMERA_FLIP, 0));
}

int setWatermark(const WatermarkParams *p)
{
    Args a;
    if (!p) {
        a.raw("null");
    } else {
        a.add("kind", p->kind).add("left", p->left).add("top", p->top).add("right", p->right)
            .add("bottom", p->bottom).str("imagePath", utf8(p->imagePath))
            .add("fontPointSize", p->fontPointSize).str("fontFamily", utf8(p->fontFamily))
            .add("bold", p->bold).add("italic", p->italic).add("underline", p->underline)
            .add("strikeOut", p->strikeOut).hex("textColor", p->textColor).str("text", utf8(p->text))
            .add("transparency", p->transparency);
    }
    return finish(MIRELO_OP_SET_WATERMARK, a, answer(MIRELO_OP_SET_WATERMARK, 0));
}

} // namespace
} // namespace testengine

using namespace testengine;

// MIRELO_TEST_ENGINE_MISSING lists operation numbers the entry denies.
static bool denied(int ordinal)
{
    const char *list = std::getenv("MIRELO_TEST_ENGINE_MISSING");
    if (!list)
        return false;
    std::istringstream in(list);
    std::string word;
    while (std::getline(in, word, ',')) {
        if (ordinalOf(word) == ordinal)
            return true;
    }
    return false;
}

EXPORT void *mireloEngineEntry(int ordinal)
{
    if (denied(ordinal))
        return nullptr;
    switch (ordinal) {
    case MIRELO_OP_INITIALIZE: return reinterpret_cast<void *>(&initialize);
    case MIRELO_OP_SHUTDOWN: return reinterpret_cast<void *>(&shutdown);
    case MIRELO_OP_GET_ENCODER_ADAPTERS: return reinterpret_cast<void *>(&getEncoderAdapters);
    case MIRELO_OP_TEST_HARDWARE_ENCODER: return reinterpret_cast<void *>(&testHardwareEncoder);
    case MIRELO_OP_SET_CAPTURE_RECT: return reinterpret_cast<void *>(&setCaptureRect);
    case MIRELO_OP_GET_CAMERA_COUNT: return reinterpret_cast<void *>(&getCameraCount);
    case MIRELO_OP_GET_CAMERA_NAME: return reinterpret_cast<void *>(&getCameraName);
    case MIRELO_OP_SELECT_CAMERA: return reinterpret_cast<void *>(&selectCamera);
    case MIRELO_OP_GET_AUDIO_DEVICE_COUNT: return reinterpret_cast<void *>(&getAudioDeviceCount);
    case MIRELO_OP_GET_AUDIO_DEVICE_NAME: return reinterpret_cast<void *>(&getAudioDeviceName);
    case MIRELO_OP_GET_CURRENT_AUDIO_DEVICE: return reinterpret_cast<void *>(&getCurrentAudioDevice);
    case MIRELO_OP_SELECT_AUDIO_DEVICE: return reinterpret_cast<void *>(&selectAudioDevice);
    case MIRELO_OP_START_RECORDING: return reinterpret_cast<void *>(&startRecording);
    case MIRELO_OP_STOP_RECORDING: return reinterpret_cast<void *>(&stopRecording);
    case MIRELO_OP_GET_RECORDED_TIME: return reinterpret_cast<void *>(&getRecordedTime);
    case MIRELO_OP_ADD_MOUSE_CLICK: return reinterpret_cast<void *>(&addMouseClick);
    case MIRELO_OP_SET_AUDIO_VOLUME: return reinterpret_cast<void *>(&setAudioVolume);
    case MIRELO_OP_OPEN_AUDIO_DEVICE: return reinterpret_cast<void *>(&openAudioDevice);
    case MIRELO_OP_PAUSE_RECORDING: return reinterpret_cast<void *>(&pauseRecording);
    case MIRELO_OP_RESUME_RECORDING: return reinterpret_cast<void *>(&resumeRecording);
    case MIRELO_OP_GET_RECORDED_SIZE: return reinterpret_cast<void *>(&getRecordedSize);
    case MIRELO_OP_OPEN_CAMERA: return reinterpret_cast<void *>(&openCamera);
    case MIRELO_OP_CLOSE_CAMERA: return reinterpret_cast<void *>(&closeCamera);
    case MIRELO_OP_TAKE_CAMERA_PHOTO: return reinterpret_cast<void *>(&takeCameraPhoto);
    case MIRELO_OP_GET_CAMERA_FORMATS: return reinterpret_cast<void *>(&getCameraFormats);
    case MIRELO_OP_GET_CAMERA_FORMAT: return reinterpret_cast<void *>(&getCameraFormat);
    case MIRELO_OP_SET_CAMERA_FORMAT: return reinterpret_cast<void *>(&setCameraFormat);
    case MIRELO_OP_REFRESH_DEVICES: return reinterpret_cast<void *>(&refreshDevices);
    case MIRELO_OP_GET_CAMERA_ID: return reinterpret_cast<void *>(&getCameraId);
    case MIRELO_OP_GET_AUDIO_DEVICE_ID: return reinterpret_cast<void *>(&getAudioDeviceId);
    case MIRELO_OP_SET_CAMERA_FLIP: return reinterpret_cast<void *>(&setCameraFlip);
    case MIRELO_OP_CLOSE_AUDIO_DEVICE: return reinterpret_cast<void *>(&closeAudioDevice);
    case MIRELO_OP_SET_WATERMARK: return reinterpret_cast<void *>(&setWatermark);
    default: return nullptr;
    }
}

EXPORT int mireloTestEngineLoadScript(const char *text)
{
    Script script;
    std::string error;
    if (!parseScript(text ? text : "", &script, &error)) {
        std::fprintf(stderr, "test engine: script: %s\n", error.c_str());
        return MIRELO_E_INVALID_ARGUMENT;
    }
    std::lock_guard<std::mutex> lock(g_mutex);
    g_script = script;
    g_scriptFromControl = true;
    return MIRELO_OK;
}

EXPORT int mireloTestEngineRaise(int event, int data, int delayMs)
{
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        if (!g_callback)
            return MIRELO_E_BAD_STATE;
    }
    events().post(event, data, delayMs);
    return MIRELO_OK;
}

EXPORT const char *mireloTestEngineTrace(void)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_traceCopy = g_trace;
    return g_traceCopy.c_str();
}

EXPORT void mireloTestEngineClearTrace(void)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_trace.clear();
}
