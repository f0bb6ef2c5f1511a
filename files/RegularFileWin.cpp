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

// Qt tells a Windows failure as a kind of error, not as a number.
WriteError failed(const QFileDevice& file) {
    return {writeFailureOf(file.error()), 0};
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
    return !saveRegularFile(path, contents);
}

std::optional<WriteError> saveRegularFile(const QString& path,
                                          const std::function<QByteArray()>& contents) {
    if (kindOf(path) == Kind::Other)
        return WriteError{WriteFailure::NotRegularFile, 0};
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(file);
    const QByteArray bytes = contents();
    if (file.write(bytes) != bytes.size()) {
        const WriteError error = failed(file);
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return failed(file);
    return std::nullopt;
}

} // namespace vortan
