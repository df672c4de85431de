#include "audio/device_registry.h"

#include "core/new_file.h"
#include "core/read_file.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <unistd.h>

namespace mirelo {
namespace audio {

namespace {
const char *const kKeys[2] = {"SystemSound=", "Microphone="};
// The file holds two short lines; anything larger is not ours.
constexpr int64_t kMaxFileBytes = 64 * 1024;
// A source name is a short identifier without control characters.
constexpr size_t kMaxNameBytes = 1024;

bool isName(const std::string &value)
{
    return !value.empty() && value.size() <= kMaxNameBytes
        && std::none_of(value.begin(), value.end(), [](char c) {
               const auto u = static_cast<unsigned char>(c);
               return u < 0x20 || u == 0x7f;
           });
}
} // namespace

int typeSlot(int type)
{
    return type == 4 ? 0 : type == 8 ? 1 : -1;
}

bool belongsTo(const SourceInfo &s, int slot)
{
    return slot == 0 ? s.monitor : !s.monitor;
}

DeviceRegistry::DeviceRegistry(PulseClient &client) : m_client(client) {}

void DeviceRegistry::load(const std::string &folder)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_file.clear();
    if (folder.empty())
        return;
    m_file = folder;
    if (m_file.back() != '/')
        m_file += '/';
    m_file += "AudioDevices.conf";
    // Read as a file others could have put there: a FIFO, a device or a
    // huge file is taken as no choice at all; a line that is not one of
    // ours is dropped.
    std::string text;
    if (!readRegularFile(m_file, kMaxFileBytes, text))
        return;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        for (int slot = 0; slot < 2; ++slot) {
            const std::string key = kKeys[slot];
            if (line.compare(0, key.size(), key) == 0 && isName(line.substr(key.size())))
                m_chosen[slot] = line.substr(key.size());
        }
    }
}

void DeviceRegistry::save()
{
    if (m_file.empty())
        return;
    // Written beside and renamed over, so a crash never leaves half a file.
    // A new file: a link planted at the name is not written through.
    std::string tmp;
    const int fd = createNewFile(m_file + ".tmp", 0644, tmp);
    FILE *f = fd >= 0 ? fdopen(fd, "w") : nullptr;
    if (!f) {
        if (fd >= 0) {
            ::close(fd);
            std::remove(tmp.c_str());
        }
        return;
    }
    bool ok = true;
    for (int slot = 0; slot < 2; ++slot)
        ok = ok && std::fprintf(f, "%s%s\n", kKeys[slot], m_chosen[slot].c_str()) > 0;
    ok = std::fflush(f) == 0 && ok;
    ok = fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok || std::rename(tmp.c_str(), m_file.c_str()) != 0)
        std::remove(tmp.c_str());
}

void DeviceRegistry::refresh(int slot)
{
    std::vector<SourceInfo> list;
    for (auto &s : m_client.querySources())
        if (belongsTo(s, slot))
            list.push_back(std::move(s));
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lists[slot] = std::move(list);
}

int DeviceRegistry::count(int slot)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<int>(m_lists[slot].size());
}

bool DeviceRegistry::name(int slot, int index, std::string &out)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (index < 0 || index >= static_cast<int>(m_lists[slot].size()))
        return false;
    out = m_lists[slot][index].description;
    return true;
}

bool DeviceRegistry::id(int slot, int index, std::string &out)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (index < 0 || index >= static_cast<int>(m_lists[slot].size()))
        return false;
    out = m_lists[slot][index].name;
    return true;
}

int DeviceRegistry::pick(int slot, const std::vector<SourceInfo> &list)
{
    if (list.empty())
        return -1;
    std::string chosen;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        chosen = m_chosen[slot];
    }
    for (size_t i = 0; i < list.size(); ++i)
        if (!chosen.empty() && list[i].name == chosen)
            return static_cast<int>(i);
    const ServerDefaults d = m_client.queryDefaults();
    for (size_t i = 0; i < list.size(); ++i) {
        const bool isDefault = slot == 0 ? (!d.sink.empty() && list[i].monitorOfSink == d.sink)
                                         : (!d.source.empty() && list[i].name == d.source);
        if (isDefault)
            return static_cast<int>(i);
    }
    return 0;
}

int DeviceRegistry::current(int slot)
{
    std::vector<SourceInfo> list;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        list = m_lists[slot];
    }
    return pick(slot, list);
}

bool DeviceRegistry::select(int slot, int index)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (index < 0 || index >= static_cast<int>(m_lists[slot].size()))
        return false;
    if (m_chosen[slot] != m_lists[slot][index].name) {
        m_chosen[slot] = m_lists[slot][index].name;
        save();
    }
    return true;
}

bool DeviceRegistry::resolve(int slot, SourceInfo &out)
{
    std::vector<SourceInfo> list;
    for (auto &s : m_client.querySources())
        if (belongsTo(s, slot))
            list.push_back(std::move(s));
    const int i = pick(slot, list);
    if (i < 0)
        return false;
    out = list[i];
    return true;
}

} // namespace audio
} // namespace mirelo
