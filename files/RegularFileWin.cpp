#include "files/RegularFileSide.h"

#include <QFileInfo>

// The Windows side of the rule: a path that leads to a device (COM1, NUL) or a folder is no
// regular file. Names go to the system as UTF-16 (QFile), so Czech and German letters in a
// path work whatever the code page. Qt tells a Windows failure as a kind of error, not as a
// number.

namespace vortan {
namespace {

enum class Kind { Missing, Regular, Other };

Kind kindOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return Kind::Missing;
    return info.isFile() ? Kind::Regular : Kind::Other;
}

} // namespace

std::optional<WriteError> regularfile::refuseSave(const QString& path) {
    if (kindOf(path) == Kind::Other)
        return WriteError{WriteFailure::NotRegularFile, 0};
    return std::nullopt;
}

int regularfile::systemError() {
    return 0;
}

void regularfile::clearSystemError() {}

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxSize) {
    if (kindOf(path) != Kind::Regular)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxSize)
        return std::nullopt;
    return regularfile::readAtMost(file, maxSize);
}

} // namespace vortan
