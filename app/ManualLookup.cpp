#include "app/ManualLookup.h"
#include "lang/Texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList vortan::manualFolders() {
    const QString appDir = QCoreApplication::applicationDirPath();
    return {appDir + "/../share/vortan2/doc", appDir + "/doc",
            QString(VORTAN2_SOURCE_DIR) + "/doc"};
}

QString vortan::manualFor(int language, const QStringList& folders) {
    const QString document = findManual(QString::fromStdString(manualFileName(language)), folders);
    if (!document.isEmpty())
        return document;
    return findManual(QString::fromStdString(htmlManualFileName(language)), folders);
}

QString vortan::findManual(const QString& fileName, const QStringList& folders) {
    for (const QString& dir : folders) {
        const QString path = QDir::cleanPath(QDir(dir).absoluteFilePath(fileName));
        if (QFileInfo::exists(path))
            return path;
    }
    return QString();
}
