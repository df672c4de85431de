#pragma once
// The user's own folders, from which the data folder, the settings store and
// the default output folders are built. None of them is ever taken from a
// missing home or a home that is the file-system root: without a usable home
// they are empty, and the program does not start.

#include <QString>

// $HOME as an absolute path, when it names an existing folder other than the
// root; empty otherwise.
QString usableHomeFolder();
// $XDG_DATA_HOME when absolute and not the root, else "~/.local/share";
// empty without a usable home.
QString userDataBase();
// $XDG_CONFIG_HOME when absolute and not the root, else "~/.config"; empty
// without a usable home.
QString userConfigBase();
// The desktop's documents folder, else "~/Documents"; empty without a
// usable home.
QString userDocumentsFolder();
