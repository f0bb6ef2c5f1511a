#include "files/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

// The Windows side of the rule: a path that leads to a device (COM1, NUL) or a folder is no
// regular file. Names go to the system as UTF-16 (QFile), so Czech and German letters in a
// path work whatever the code page.

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

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxSize) {
    if (kindOf(path) != Kind::Regular)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxSize)
        return std::nullopt;
    // One byte beyond the limit at most, so a file that grew since the check is refused too.
    QByteArray bytes = file.read(maxSize + 1);
    if (bytes.size() > maxSize || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool writeRegularFile(const QString& path, const std::function<QByteArray()>& contents) {
    if (kindOf(path) == Kind::Other)
        return false;
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = contents();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace vortan
