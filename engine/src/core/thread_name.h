#pragma once
// Names the calling thread after its stage, so `top -H`, a profiler or a
// debugger shows whose time is whose. Threads started from a named thread
// (the encoder's own workers) inherit its name.
#include <pthread.h>

namespace mirelo {

// At most 15 characters.
inline void nameThread(const char *name)
{
    pthread_setname_np(pthread_self(), name);
}

} // namespace mirelo
