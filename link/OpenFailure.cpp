#include "link/OpenFailure.h"

#include "lang/Texts.h"

namespace vortan {
namespace {

QString text(PortText t, int language) {
    return QString::fromStdString(portText(t, language));
}

// The Win32 error numbers of a failed CreateFile on a port (winerror.h).
constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorPathNotFound = 3;
constexpr std::uint32_t kErrorAccessDenied = 5;
constexpr std::uint32_t kErrorSharingViolation = 32;

QString presentDevices(const QStringList& present, int language) {
    return present.isEmpty() ? text(PortText::NoDevicePresent, language)
                             : text(PortText::DevicesPresent, language) + '\n' + present.join('\n');
}

// "COM12" for "\\.\COM12", as Device Manager names the port.
QString portName(const QString& path) {
    return path.startsWith(QLatin1String("\\\\.\\")) ? path.mid(4) : path;
}

QString windowsText(const OpenFailureFacts& f, const QStringList& present, int language) {
    const QString port = portName(f.path);
    switch (windowsOpenReason(f.windowsError)) {
    case WindowsOpenReason::NoSuchPort:
        return text(PortText::WinNoSuchPort, language).arg(port) + '\n' +
               presentDevices(present, language) + '\n' +
               text(PortText::WinNoSuchPortHint, language);
    case WindowsOpenReason::InUseOrDenied:
        return text(PortText::WinInUseOrDenied, language).arg(port) + '\n' +
               text(PortText::WinInUseHint, language);
    case WindowsOpenReason::Other:
        break;
    }
    return text(PortText::OtherError, language).arg(port, f.systemError) + '\n' +
           text(PortText::WinDriverHint, language);
}

} // namespace

WindowsOpenReason windowsOpenReason(std::uint32_t windowsError) {
    switch (windowsError) {
    case kErrorFileNotFound:
    case kErrorPathNotFound:
        return WindowsOpenReason::NoSuchPort;
    case kErrorAccessDenied:
    case kErrorSharingViolation:
        return WindowsOpenReason::InUseOrDenied;
    default:
        return WindowsOpenReason::Other;
    }
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
    if (f.windowsError != 0)
        return windowsText(f, present, language);
    switch (openFailureReason(f)) {
    case OpenFailureReason::Missing:
        return text(PortText::Missing, language).arg(f.path) + '\n' +
               presentDevices(present, language);
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
