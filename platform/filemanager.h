#pragma once
// Shows files and folders in the desktop's file manager, and opens files in
// the desktop's default application for them.

#include <QString>

#include <functional>

class QObject;

namespace FileManager {

// Opens the file manager on the folder of an existing file with that file
// selected: the FileManager1 D-Bus service when the session has one, else
// xdg-open on the folder. Paths are passed as arguments, never through a shell.
bool showItem(const QString &absoluteFilePath);
// Opens a folder (xdg-open).
bool openFolder(const QString &absoluteFolderPath);
// Opens a file in the application the desktop has for its type (xdg-open).
// `done` runs once, in `context`'s thread and only while it lives: false
// when no application could open it (xdg-open missing or failing).
void openFile(const QString &absoluteFilePath, QObject *context, std::function<void(bool opened)> done);

} // namespace FileManager
