#pragma once
// The places of the system built for (SystemPlacesPosix.cpp, SystemPlacesWin.cpp): where the
// settings and data folders lie and which device a port COMn is without a [PORTS] entry.

#include <QString>

namespace vortan {

// The folder that holds the settings folder Vortan2: the user's configuration folder
// ($XDG_CONFIG_HOME, by default ~/.config) on Linux, %APPDATA% on Windows.
QString settingsParentFolder();

// The folder that holds the program's data folder Vortan2 (the restore points): the user's
// data folder ($XDG_DATA_HOME, by default ~/.local/share) on Linux, %LOCALAPPDATA% on Windows.
QString dataParentFolder();

// The device COMn means without an entry in [PORTS]: /dev/ttyS<n-1> on Linux, the port COMn
// itself on Windows.
QString defaultPortDevice(int comPort);

} // namespace vortan
