#include "files/RegularFile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vortan {
namespace {

enum class Kind { Missing, Regular, Other };

// What the path leads to after following symbolic links; a dangling link is Missing, a loop
// of links Other. `error` gets the system's error number when the path cannot be looked at.
Kind kindOf(const QByteArray& name, int* error = nullptr) {
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        if (error)
            *error = errno;
        return errno == ENOENT ? Kind::Missing : Kind::Other;
    }
    return S_ISREG(st.st_mode) ? Kind::Regular : Kind::Other;
}

// The failure behind the system's error number of the step that failed, read right after it.
// Qt's own calls after the failing one may clear errno: the kind of error the file reports
// then tells.
WriteError failed(int error, const QFileDevice* file = nullptr) {
    if (error)
        return WriteError{writeFailureOf(error), error};
    return WriteError{file ? writeFailureOf(file->error()) : WriteFailure::Other, 0};
}

} // namespace

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxSize) {
    const QByteArray name = QFile::encodeName(path);
    if (kindOf(name) != Kind::Regular)
        return std::nullopt;
    // Opened without waiting and checked again on the open file, so that a pipe put in its
    // place since the check cannot hold the program up.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    QFile file;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > maxSize ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
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
    int lookError = 0;
    if (kindOf(QFile::encodeName(path), &lookError) == Kind::Other)
        return lookError ? failed(lookError) : WriteError{WriteFailure::NotRegularFile, 0};
    QSaveFile file(path); // follows a symbolic link to the file it names
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a short write (disk full, size limit) shows in write()'s count:
    // QSaveFile's commit does not notice a failed flush of its buffer.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(errno, &file);
    const QByteArray bytes = contents();
    if (file.write(bytes) != bytes.size()) {
        const WriteError error = failed(errno, &file);
        file.cancelWriting();
        return error;
    }
    errno = 0;
    if (!file.commit())
        return failed(errno, &file);
    return std::nullopt;
}

} // namespace vortan
