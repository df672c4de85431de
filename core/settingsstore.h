#pragma once
// The settings store's file, "Free Mirelo.conf": Qt's INI text, read only
// when it is a regular file and written whole or not at all. QSettings
// writes its own files through a save file that renames a cut file into
// place when the last flush fails on a full disk; so the store has a format
// of its own, whose writer checks every step before QSettings renames
// (KeptFile::writeSynced). The text is still Qt's own INI: an IniFormat
// QSettings makes and reads it on a scratch file in a private folder.

#include <QSettings>

// The store's format, registered on first use.
QSettings::Format settingsStoreFormat();

// The store at the path, in that format. Anything there that is no regular
// file (a FIFO would block QSettings' open for good) or too large is kept
// aside first, and the user is told; when it cannot be moved, nothing is
// read or written.
QSettings *openSettingsStore(const QString &path);

// Writes what changed in the store to its file now; false (and the user told
// once) when it could not, for instance when a full disk refused its lock
// file before the file itself was tried. QSettings keeps the first error it
// met, so after one failure this stays false.
bool syncSettingsStore(QSettings *store);
