#include "script.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace testengine {
namespace {

struct Name {
    int ordinal;
    const char *name;
};

const Name kNames[] = {
    {MIRELO_OP_INITIALIZE, "initialize"},
    {MIRELO_OP_SHUTDOWN, "shutdown"},
    {MIRELO_OP_GET_ENCODER_ADAPTERS, "getEncoderAdapters"},
    {MIRELO_OP_TEST_HARDWARE_ENCODER, "testHardwareEncoder"},
    {MIRELO_OP_SET_CAPTURE_RECT, "setCaptureRect"},
    {MIRELO_OP_GET_CAMERA_COUNT, "getCameraCount"},
    {MIRELO_OP_GET_CAMERA_NAME, "getCameraName"},
    {MIRELO_OP_SELECT_CAMERA, "selectCamera"},
    {MIRELO_OP_GET_AUDIO_DEVICE_COUNT, "getAudioDeviceCount"},
    {MIRELO_OP_GET_AUDIO_DEVICE_NAME, "getAudioDeviceName"},
    {MIRELO_OP_GET_CURRENT_AUDIO_DEVICE, "getCurrentAudioDevice"},
    {MIRELO_OP_SELECT_AUDIO_DEVICE, "selectAudioDevice"},
    {MIRELO_OP_START_RECORDING, "startRecording"},
    {MIRELO_OP_STOP_RECORDING, "stopRecording"},
    {MIRELO_OP_GET_RECORDED_TIME, "getRecordedTime"},
    {MIRELO_OP_ADD_MOUSE_CLICK, "addMouseClick"},
    {MIRELO_OP_SET_AUDIO_VOLUME, "setAudioVolume"},
    {MIRELO_OP_OPEN_AUDIO_DEVICE, "openAudioDevice"},
    {MIRELO_OP_PAUSE_RECORDING, "pauseRecording"},
    {MIRELO_OP_RESUME_RECORDING, "resumeRecording"},
    {MIRELO_OP_GET_RECORDED_SIZE, "getRecordedSize"},
    {MIRELO_OP_OPEN_CAMERA, "openCamera"},
    {MIRELO_OP_CLOSE_CAMERA, "closeCamera"},
    {MIRELO_OP_TAKE_CAMERA_PHOTO, "takeCameraPhoto"},
    {MIRELO_OP_GET_CAMERA_FORMATS, "getCameraFormats"},
    {MIRELO_OP_GET_CAMERA_FORMAT, "getCameraFormat"},
    {MIRELO_OP_SET_CAMERA_FORMAT, "setCameraFormat"},
    {MIRELO_OP_REFRESH_DEVICES, "refreshDevices"},
    {MIRELO_OP_GET_CAMERA_ID, "getCameraId"},
    {MIRELO_OP_GET_AUDIO_DEVICE_ID, "getAudioDeviceId"},
    {MIRELO_OP_SET_CAMERA_FLIP, "setCameraFlip"},
    {MIRELO_OP_CLOSE_AUDIO_DEVICE, "closeAudioDevice"},
    {MIRELO_OP_SET_WATERMARK, "setWatermark"},
};

// Splits a line into words; "quoted text" is one word.
bool splitWords(const std::string &line, std::vector<std::string> *words, std::string *error)
{
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char c = line[i++];
                if (c == '\\' && i < line.size()) {
                    word += line[i++];
                } else if (c == '"') {
                    closed = true;
                    break;
                } else {
                    word += c;
                }
            }
            if (!closed) {
                *error = "unterminated quote";
                return false;
            }
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
                word += line[i++];
        }
        words->push_back(word);
    }
    return true;
}

bool toLong(const std::string &s, long long *value)
{
    if (s.empty())
        return false;
    char *end = nullptr;
    *value = std::strtoll(s.c_str(), &end, 0);
    return end && *end == 0;
}

bool toInt(const std::string &s, int *value)
{
    long long v = 0;
    if (!toLong(s, &v))
        return false;
    *value = int(v);
    return true;
}

bool parseFormat(const std::string &s, CameraFormat *f)
{
    int w = 0, h = 0, pix = 0;
    float fps = 0;
    if (std::sscanf(s.c_str(), "%dx%d@%f/%d", &w, &h, &fps, &pix) != 4)
        return false;
    *f = CameraFormat{w, h, fps, pix};
    return true;
}

bool parseStatement(const std::vector<std::string> &w, Script *s, std::string *error)
{
    const std::string &cmd = w[0];
    auto ints = [&](size_t from, std::vector<int> *out) {
        for (size_t i = from; i < w.size(); ++i) {
            int v = 0;
            if (!toInt(w[i], &v)) {
                *error = "not a number: " + w[i];
                return false;
            }
            out->push_back(v);
        }
        return true;
    };
    auto longs = [&](std::vector<long long> *out) {
        for (size_t i = 1; i < w.size(); ++i) {
            long long v = 0;
            if (!toLong(w[i], &v)) {
                *error = "not a number: " + w[i];
                return false;
            }
            out->push_back(v);
        }
        return true;
    };
    auto need = [&](size_t n) {
        if (w.size() < n) {
            *error = cmd + ": too few words";
            return false;
        }
        return true;
    };

    if (cmd == "adapters")
        return ints(1, &s->adapterFamilies);
    if (cmd == "hwtest") {
        std::vector<int> v;
        if (!need(3) || !ints(1, &v))
            return false;
        s->hwTest[v[0]] = v[1];
        return true;
    }
    if (cmd == "result") {
        if (!need(3))
            return false;
        const int ordinal = ordinalOf(w[1]);
        if (!ordinal) {
            *error = "unknown operation: " + w[1];
            return false;
        }
        std::vector<int> v;
        if (!ints(2, &v))
            return false;
        s->results[ordinal] = v;
        return true;
    }
    if (cmd == "cameras") {
        s->cameras.assign(w.begin() + 1, w.end());
        return true;
    }
    if (cmd == "cameraids") {
        s->cameraIds.assign(w.begin() + 1, w.end());
        return true;
    }
    if (cmd == "audio" || cmd == "audioids") {
        int type = 0;
        if (!need(2) || !toInt(w[1], &type)) {
            *error = cmd + ": bad type";
            return false;
        }
        auto &list = cmd == "audio" ? s->audio[type] : s->audioIds[type];
        list.assign(w.begin() + 2, w.end());
        return true;
    }
    if (cmd == "current") {
        std::vector<int> v;
        if (!need(3) || !ints(1, &v))
            return false;
        s->current[v[0]] = v[1];
        return true;
    }
    if (cmd == "formats") {
        for (size_t i = 1; i < w.size(); ++i) {
            CameraFormat f{};
            if (!parseFormat(w[i], &f)) {
                *error = "bad format: " + w[i];
                return false;
            }
            s->formats.push_back(f);
        }
        return true;
    }
    if (cmd == "format")
        return need(2) && toInt(w[1], &s->format);
    if (cmd == "time")
        return longs(&s->times);
    if (cmd == "size")
        return longs(&s->sizes);
    if (cmd == "event") {
        ScriptEvent e;
        if (!need(3) || !toInt(w[1], &e.event) || !toInt(w[2], &e.data)) {
            *error = "event: needs a number and data";
            return false;
        }
        for (size_t i = 3; i < w.size(); i += 2) {
            if (i + 1 >= w.size()) {
                *error = "event: dangling word " + w[i];
                return false;
            }
            if (w[i] == "after" && toInt(w[i + 1], &e.afterMs))
                continue;
            if (w[i] == "on" && (e.onOrdinal = ordinalOf(w[i + 1])) != 0)
                continue;
            if (w[i] == "thread" && (w[i + 1] == "caller" || w[i + 1] == "engine")) {
                e.onCaller = w[i + 1] == "caller";
                continue;
            }
            *error = "event: bad words " + w[i] + " " + w[i + 1];
            return false;
        }
        s->events.push_back(e);
        return true;
    }
    if (cmd == "names" && w.size() == 2 && w[1] == "unterminated") {
        s->unterminatedNames = true;
        return true;
    }
    if (cmd == "names" && w.size() == 2 && w[1] == "long") {
        s->longNames = true;
        return true;
    }
    *error = "unknown statement: " + cmd;
    return false;
}

} // namespace

bool parseScript(const std::string &text, Script *script, std::string *error)
{
    Script s;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::vector<std::string> words;
        std::string why;
        if (!splitWords(line, &words, &why) || (!words.empty() && words[0][0] != '#' && !parseStatement(words, &s, &why))) {
            if (error)
                *error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
    }
    *script = s;
    return true;
}

int ordinalOf(const std::string &name)
{
    int number = 0;
    if (toInt(name, &number))
        return nameOf(number)[0] ? number : 0;
    std::string n = name;
    if (n.rfind("engine", 0) == 0 && n.size() > 6) {
        n = n.substr(6);
        n[0] = char(std::tolower(static_cast<unsigned char>(n[0])));
    }
    for (const Name &entry : kNames) {
        if (n == entry.name)
            return entry.ordinal;
    }
    return 0;
}

const char *nameOf(int ordinal)
{
    for (const Name &entry : kNames) {
        if (entry.ordinal == ordinal)
            return entry.name;
    }
    return "";
}

} // namespace testengine
