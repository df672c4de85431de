#pragma once
// The test engine's script: what it answers (see mirelo_test_engine.h).
#include <mirelo/engine_api.h>

#include <map>
#include <string>
#include <vector>

namespace testengine {

struct ScriptEvent {
    int event = 0;
    int data = 0;
    int afterMs = 0;
    int onOrdinal = 0; // 0: once after initialise
    bool onCaller = false; // raised inside the call, on the caller's thread
};

struct Script {
    std::vector<int> adapterFamilies;
    std::map<int, int> hwTest;                   // family -> result
    std::map<int, std::vector<int>> results;     // ordinal -> answers
    std::vector<std::string> cameras, cameraIds; // UTF-8
    std::map<int, std::vector<std::string>> audio, audioIds;
    std::map<int, int> current;
    std::vector<CameraFormat> formats;
    int format = 0;
    std::vector<long long> times, sizes;
    std::vector<ScriptEvent> events;
    bool unterminatedNames = false;
    bool longNames = false;
};

// Parses a script; an unknown statement or a malformed number fails with a
// message in `error` (the engine then keeps an empty script).
bool parseScript(const std::string &text, Script *script, std::string *error);

// The operation number of a name ("startRecording", "engineStartRecording",
// "19"), 0 when unknown; and the trace name of a number.
int ordinalOf(const std::string &name);
const char *nameOf(int ordinal);

} // namespace testengine
