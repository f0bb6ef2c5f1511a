#include "link/OpenFailure.h"

#include "link/PortTexts.h"

namespace vortan {
namespace {

QString text(PortText t, int language) {
    return QString::fromStdString(portText(t, language));
}

} // namespace

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
