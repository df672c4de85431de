#pragma once
// File, folder, screen and system helpers. Paths may use "/" anywhere; every
// helper that touches the file system converts them to native separators.
// Failures are reported only through the results.

#include <QRect>
#include <QString>

QString nativePath(const QString &path);
// True for files and folders.
bool fileExists(const QString &path);
// Creates the folder with all missing parents; true when it is a folder
// afterwards. A relative path is taken against the current folder.
bool makeDirIfMissing(const QString &path);
// True when a new file can be made in the folder: tried for real with a
// file of its own (removed again), since the mode bits say nothing for root
// nor for read-only or virtual file systems.
bool canCreateFilesIn(const QString &folder);
// Deletes a folder tree. An empty path gives false, a path that is no folder
// true. Hidden entries are left alone, so a folder holding one stays and the
// result is false. Symbolic links are removed as links, never followed.
bool removeDirRecursively(const QString &path);
// A folder through removeDirRecursively, anything else (a link too) removed
// itself.
bool removeFileOrFolder(const QString &path);
// Shows a folder, or a file selected in its folder, in the file manager;
// false when the path does not exist.
bool revealInExplorer(const QString &path);
// "a.b.c.d" of one of our binaries, empty when unknown.
QString fileVersion(const QString &path);
bool isValidEmail(const QString &text);
// A rectangle of that size centred on a screen: the given index when there is
// such a screen, -1 for the primary screen, screen 0 otherwise. Not clipped.
QRect centeredRect(int width, int height, int screenIndex);
// The program's named mutex, held from create to close (or process end).
void createNamedMutex(const QString &name);
void closeNamedMutex(const QString &name);
// Switches the computer off (not forced); failures are silent.
void shutdownSystem();
