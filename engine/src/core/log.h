#pragma once
// The engine's diagnostic lines: appended to the file named by the
// environment variable MIRELO_ENGINE_LOG ("-" for standard error), else
// dropped. Never on a hot path.
namespace mirelo {
void logLine(const char *format, ...) __attribute__((format(printf, 1, 2)));
} // namespace mirelo
