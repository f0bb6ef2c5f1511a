#include "settings/SystemPlaces.h"

#include <QDir>

namespace vortan {

// The roaming application data of the user (%APPDATA%): the program's folder is not writable
// on today's Windows.
QString settingsParentFolder() {
    const QString appData = qEnvironmentVariable("APPDATA");
    return appData.isEmpty() ? QDir::homePath() + QStringLiteral("/AppData/Roaming")
                             : QDir::fromNativeSeparators(appData);
}

// Restore points stay on this computer (%LOCALAPPDATA%), as Windows keeps bulky data.
QString dataParentFolder() {
    const QString local = qEnvironmentVariable("LOCALAPPDATA");
    return local.isEmpty() ? QDir::homePath() + QStringLiteral("/AppData/Local")
                           : QDir::fromNativeSeparators(local);
}

QString defaultPortDevice(int comPort) {
    return QStringLiteral("COM%1").arg(comPort);
}

} // namespace vortan
