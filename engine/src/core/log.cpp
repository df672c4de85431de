#include "core/log.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace mirelo {

void logLine(const char *format, ...)
{
    static std::mutex mutex;
    const char *target = getenv("MIRELO_ENGINE_LOG");
    if (!target || !*target)
        return;
    std::lock_guard<std::mutex> lock(mutex);
    FILE *f = strcmp(target, "-") == 0 ? stderr : fopen(target, "a");
    if (!f)
        return;
    fputs("mirelo-engine: ", f);
    va_list args;
    va_start(args, format);
    vfprintf(f, format, args);
    va_end(args);
    fputc('\n', f);
    if (f != stderr)
        fclose(f);
}

} // namespace mirelo
