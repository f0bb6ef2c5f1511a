#include "link/OpenFailure.h"

#include "lang/Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>
#include <unistd.h>

namespace vortan {
namespace {

QString text(PortText t, int language) {
    return QString::fromStdString(portText(t, language));
}

} // namespace

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

OpenFailureReason openFailureReason(const OpenFailureFacts& f) {
    if (!f.exists)
        return OpenFailureReason::Missing;
    if (!f.accessible)
        return OpenFailureReason::PermissionDenied;
    if (!f.holders.empty())
        return OpenFailureReason::InUse;
    return OpenFailureReason::Other;
}

QString openFailureText(const OpenFailureFacts& f, const QStringList& present, int language) {
    switch (openFailureReason(f)) {
    case OpenFailureReason::Missing:
        return text(PortText::Missing, language).arg(f.path) + '\n' +
               (present.isEmpty()
                    ? text(PortText::NoDevicePresent, language)
                    : text(PortText::DevicesPresent, language) + '\n' + present.join('\n'));
    case OpenFailureReason::PermissionDenied:
        return text(PortText::PermissionDenied, language).arg(f.path);
    case OpenFailureReason::InUse: {
        QStringList programs;
        for (const PortHolder& h : f.holders)
            programs << text(PortText::Process, language).arg(h.name).arg(h.pid);
        return text(PortText::InUseBy, language).arg(f.path, programs.join(QStringLiteral(", ")));
    }
    case OpenFailureReason::Other:
        break;
    }
    return text(PortText::OtherError, language).arg(f.path, f.systemError);
}

} // namespace vortan
