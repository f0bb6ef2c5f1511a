#include "settings/SettingsWriteReport.h"

#include "settings/CloseTexts.h"

#include <cstring>

namespace vortan {

namespace {

QString text(CloseText t, int language) {
    return QString::fromStdString(closeText(t, language));
}

CloseText reasonText(WriteFailure f) {
    switch (f) {
    case WriteFailure::NoPermission:
        return CloseText::NoPermission;
    case WriteFailure::ReadOnly:
        return CloseText::ReadOnly;
    case WriteFailure::NoSpace:
        return CloseText::NoSpace;
    case WriteFailure::NoFolder:
        return CloseText::NoFolder;
    case WriteFailure::NotRegularFile:
        return CloseText::NotRegularFile;
    case WriteFailure::Other:
        break;
    }
    return CloseText::OtherFailure;
}

} // namespace

QString writeFailureReason(const WriteError& error, int language) {
    const CloseText t = reasonText(error.failure);
    if (t != CloseText::OtherFailure)
        return text(t, language);
    const QString words =
        error.error ? QString::fromLocal8Bit(std::strerror(error.error)) : QStringLiteral("?");
    return text(t, language).arg(words);
}

QString writeFailureReport(const std::vector<FailedWrite>& failed, int language) {
    QString report = text(CloseText::WriteFailed, language);
    for (const FailedWrite& f : failed)
        report +=
            '\n' +
            text(CloseText::WriteFailedFile, language)
                .arg(f.path,
                     text(f.lastImage ? CloseText::HoldsImage : CloseText::HoldsSettings, language),
                     writeFailureReason(f.error, language));
    return report;
}

} // namespace vortan
