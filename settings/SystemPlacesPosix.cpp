#include "settings/SystemPlaces.h"

#include <QStandardPaths>

namespace vortan {

QString settingsParentFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString defaultPortDevice(int comPort) {
    return QStringLiteral("/dev/ttyS%1").arg(comPort - 1);
}

} // namespace vortan
