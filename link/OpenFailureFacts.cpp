#include "link/OpenFailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>
#include <unistd.h>

// The facts after a failed open on Linux: the device file, its access rights, and the
// processes that hold it (from /proc).

namespace vortan {

std::vector<PortHolder> portHolders(const QString& path, const QString& procFolder) {
    std::vector<PortHolder> holders;
    const QByteArray device = QFile::encodeName(QFileInfo(path).canonicalFilePath());
    if (device.isEmpty())
        return holders;
    const QString self = QString::number(::getpid());
    const QStringList pids = QDir(procFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : pids) {
        bool number = false;
        const qint64 id = pid.toLongLong(&number);
        if (!number || pid == self)
            continue;
        const QString fdFolder = procFolder + '/' + pid + QStringLiteral("/fd");
        for (const QString& fd : QDir(fdFolder).entryList(QDir::System | QDir::NoDotAndDotDot)) {
            char link[PATH_MAX];
            const ssize_t n =
                ::readlink(QFile::encodeName(fdFolder + '/' + fd).constData(), link, sizeof link);
            if (n != device.size() || device != QByteArray(link, int(n)))
                continue;
            QFile comm(procFolder + '/' + pid + QStringLiteral("/comm"));
            comm.open(QIODevice::ReadOnly);
            holders.push_back({id, QString::fromLocal8Bit(comm.readAll()).trimmed()});
            break;
        }
    }
    return holders;
}

OpenFailureFacts gatherOpenFailure(const QString& path, const QString& systemError,
                                   const QString& procFolder) {
    OpenFailureFacts f;
    f.path = path;
    f.systemError = systemError;
    f.exists = QFileInfo::exists(path);
    f.accessible = f.exists && ::access(QFile::encodeName(path).constData(), R_OK | W_OK) == 0;
    if (f.exists)
        f.holders = portHolders(path, procFolder);
    return f;
}

} // namespace vortan
