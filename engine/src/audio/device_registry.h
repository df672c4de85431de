#pragma once
// The device lists of the two audio types as the program last asked for
// them, and the device chosen for each type, remembered in the engine's
// data folder so the user's choice survives a restart.
#include "audio/pulse_client.h"

#include <mutex>
#include <string>
#include <vector>

namespace mirelo {
namespace audio {

// 0 for system sound (type 4), 1 for microphone (type 8), -1 otherwise.
int typeSlot(int type);
// Whether a source belongs to the list of a type slot.
bool belongsTo(const SourceInfo &s, int slot);

class DeviceRegistry
{
public:
    explicit DeviceRegistry(PulseClient &client);

    // Reads the remembered choices from `folder` (empty: kept in memory).
    void load(const std::string &folder);

    // Takes a fresh list of the slot's devices; the indexes of the other
    // calls refer to the list of the last refresh.
    void refresh(int slot);
    int count(int slot);
    bool name(int slot, int index, std::string &out);
    bool id(int slot, int index, std::string &out);
    // The chosen device's index, else the server's default, else 0;
    // -1 when the list is empty.
    int current(int slot);
    // Chooses a device of the last refresh and remembers it.
    bool select(int slot, int index);
    // The device to open for the slot now (fresh from the server), by the
    // same rule as current(); false when the slot has no device.
    bool resolve(int slot, SourceInfo &out);

private:
    int pick(int slot, const std::vector<SourceInfo> &list);
    void save();

    PulseClient &m_client;
    std::mutex m_mutex;
    std::vector<SourceInfo> m_lists[2];
    std::string m_chosen[2];
    std::string m_file;
};

} // namespace audio
} // namespace mirelo
