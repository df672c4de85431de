#pragma once
// Short display texts: colours for style sheets, byte counts, durations, and
// the UTF-16 texts exchanged with the recording engine.

#include <QColor>
#include <QString>
#include <string>

// "rrggbb" in lower case, no "#", alpha ignored.
QString colorToHex(const QColor &color);
// "GB", "MB", "KB" with the given decimals, or "n bytes" up to 1024.
QString formatByteSize(quint64 bytes, int decimals);
// "hh:mm:ss"; hours above 99 take the digits they need.
QString formatDuration(quint64 milliseconds);
void splitDuration(quint64 milliseconds, int &hours, int &minutes, int &seconds);

// A terminated UTF-16 copy of the text, owned by the caller (a pointer into a
// temporary QString would dangle).
std::u16string qStringUtf16(const QString &text);
// The text up to its terminator, read at most `capacity` units far, so an
// engine buffer without a terminator is not read past its end.
inline constexpr int ENGINE_TEXT_UNITS = 1024;
QString qStringFromUtf16(const char16_t *text, int capacity = ENGINE_TEXT_UNITS);
