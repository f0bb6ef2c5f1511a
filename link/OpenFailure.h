#pragma once
// Why a port could not be opened, told to the tuner: the facts gathered after the failed open
// (is the device there, may this user read and write it, which programs hold it) and the
// reason worded from them.

#include <QString>
#include <QStringList>
#include <vector>

namespace vortan {

// A process that has the device open.
struct PortHolder {
    qint64 pid = 0;
    QString name; // as /proc/<pid>/comm gives it
};

struct OpenFailureFacts {
    QString path;
    bool exists = false;
    bool accessible = false; // this user may read and write it
    std::vector<PortHolder> holders;
    QString systemError; // the system's words for the failed open
};

enum class OpenFailureReason { Missing, PermissionDenied, InUse, Other };

// The processes other than this one with a descriptor on the device behind `path`, from the
// descriptor links under `procFolder`/<pid>/fd (processes this user may not look into are
// not seen).
std::vector<PortHolder> portHolders(const QString& path,
                                    const QString& procFolder = QStringLiteral("/proc"));

// The facts about `path` after an open failed with `systemError`.
OpenFailureFacts gatherOpenFailure(const QString& path, const QString& systemError,
                                   const QString& procFolder = QStringLiteral("/proc"));

OpenFailureReason openFailureReason(const OpenFailureFacts& facts);

// The reason in `language`: a missing device and the devices `present`, permission denied
// with the fix on Debian and Ubuntu, the programs that hold it, or the system's words.
QString openFailureText(const OpenFailureFacts& facts, const QStringList& present, int language);

} // namespace vortan
