#include "settings/SystemPlaces.h"

#include <QStandardPaths>

namespace vortan {

QString settingsParentFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString dataParentFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString defaultPortDevice(int comPort) {
    return QStringLiteral("/dev/ttyS%1").arg(comPort - 1);
}

} // namespace vortan
