#pragma once
// Shows files and folders in the desktop's file manager.

#include <QString>

namespace FileManager {

// Opens the file manager on the folder of an existing file with that file
// selected: the FileManager1 D-Bus service when the session has one, else
// xdg-open on the folder. Paths are passed as arguments, never through a shell.
bool showItem(const QString &absoluteFilePath);
// Opens a folder (xdg-open).
bool openFolder(const QString &absoluteFolderPath);

} // namespace FileManager
