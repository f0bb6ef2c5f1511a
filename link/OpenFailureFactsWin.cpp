#include "link/InProcessLine.h"
#include "link/OpenFailure.h"

#include <windows.h>

// The facts after a failed open on Windows: whether the system knows a port of that name.
// Windows has no access rights on a port for a user and does not tell which program holds
// one; its own words (the system error) say "access denied" for a port in use.

namespace vortan {

std::vector<PortHolder> portHolders(const QString&, const QString&) {
    return {};
}

OpenFailureFacts gatherOpenFailure(const QString& path, const QString& systemError,
                                   const QString&) {
    OpenFailureFacts f;
    f.path = path;
    f.systemError = systemError;
    const QString name = path.startsWith(QLatin1String("\\\\.\\")) ? path.mid(4) : path;
    wchar_t target[1024];
    f.exists = InProcessLine::find(path.toStdString()) != nullptr ||
               QueryDosDeviceW(reinterpret_cast<const wchar_t*>(name.utf16()), target,
                               sizeof target / sizeof target[0]) != 0;
    f.accessible = f.exists;
    return f;
}

} // namespace vortan
