#pragma once
// Our binaries carry their file version as a marker string
// ("MIRELO_FILE_VERSION=" a.b.c.d, NUL-terminated) that the build embeds;
// this reads it back, in place of a version resource.

#include <QString>

namespace VersionMarker {

// The four fields of the first well-formed marker in the file, as
// "a.b.c.d" (each 0..65535); empty when the file is missing, unreadable,
// larger than the scan limit or has no well-formed marker.
QString read(const QString &path);

// The prefix, built at run time so that this scanner's own binary does not
// hold it as one string.
QByteArray prefix();

constexpr qint64 SCAN_LIMIT = 256 * 1024 * 1024;

} // namespace VersionMarker
