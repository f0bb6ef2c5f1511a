#pragma once
// Why a port could not be opened, told to the tuner: the facts gathered after the failed open
// (is the device there, may this user read and write it, which programs hold it) and the
// reason worded from them.

#include <QString>
#include <QStringList>
#include <cstdint>
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
    // Windows: the system's error number of the failed CreateFile; 0 elsewhere.
    std::uint32_t windowsError = 0;
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

// Why Windows could not open a port, from the error number of CreateFile: no port of that
// name (ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND), in use by another program or access denied
// (ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION, which Windows does not tell apart for a
// port), or another error, told in Windows' own words.
enum class WindowsOpenReason { NoSuchPort, InUseOrDenied, Other };
WindowsOpenReason windowsOpenReason(std::uint32_t windowsError);

// The reason in `language`: a missing device and the devices `present`, permission denied
// with the fix on Debian and Ubuntu, the programs that hold it, or the system's words. When
// Windows gave an error number, the reason in Windows' terms and what to do about it.
QString openFailureText(const OpenFailureFacts& facts, const QStringList& present, int language);

} // namespace vortan
