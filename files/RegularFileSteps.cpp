// The steps of the regular-file rule that both systems share; files/RegularFileSide.h names
// what each system does its own way.

#include "files/RegularFileSide.h"

#include <QSaveFile>

namespace vortan {
namespace {

// The failure behind the system's error number of the step that failed, read right after it.
// Qt's own calls after the failing one may clear it: the kind of error the file reports then
// tells.
WriteError failed(const QFileDevice& file) {
    if (const int error = regularfile::systemError())
        return WriteError{writeFailureOf(error), error};
    return WriteError{writeFailureOf(file.error()), 0};
}

} // namespace

std::optional<QByteArray> regularfile::readAtMost(QFile& file, qint64 maxSize) {
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
    if (auto refused = regularfile::refuseSave(path))
        return refused;
    QSaveFile file(path); // follows a symbolic link to the file it names
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a short write (disk full, size limit) shows in write()'s count:
    // QSaveFile's commit does not notice a failed flush of its buffer.
    regularfile::clearSystemError();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(file);
    const QByteArray bytes = contents();
    if (file.write(bytes) != bytes.size()) {
        const WriteError error = failed(file);
        file.cancelWriting();
        return error;
    }
    regularfile::clearSystemError();
    if (!file.commit())
        return failed(file);
    return std::nullopt;
}

} // namespace vortan
