#include "app/ManualLookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList vortan::manualFolders() {
    const QString appDir = QCoreApplication::applicationDirPath();
    return {appDir + "/../share/vortan2/doc", appDir + "/doc",
            QString(VORTAN2_SOURCE_DIR) + "/doc"};
}

QString vortan::findManual(const QString& fileName, const QStringList& folders) {
    for (const QString& dir : folders) {
        const QString path = QDir(dir).absoluteFilePath(fileName);
        if (QFileInfo::exists(path))
            return path;
    }
    return QString();
}
