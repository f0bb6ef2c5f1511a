#pragma once
// What the settings mean on the system built for (SystemPlacesPosix.cpp, SystemPlacesWin.cpp):
// where the settings folder lies and which device a port COMn is without a [PORTS] entry.

#include <QString>

namespace vortan {

// The folder that holds the settings folder Vortan2: the user's configuration folder
// ($XDG_CONFIG_HOME, by default ~/.config) on Linux, %APPDATA% on Windows.
QString settingsParentFolder();

// The device COMn means without an entry in [PORTS]: /dev/ttyS<n-1> on Linux, the port COMn
// itself on Windows.
QString defaultPortDevice(int comPort);

} // namespace vortan
