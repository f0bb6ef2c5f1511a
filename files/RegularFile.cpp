#include "files/RegularFileSide.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The Linux side of the rule: the kind of file from stat(), the read through a descriptor
// opened without waiting, the error numbers from errno.

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

} // namespace

std::optional<WriteError> regularfile::refuseSave(const QString& path) {
    int lookError = 0;
    if (kindOf(QFile::encodeName(path), &lookError) != Kind::Other)
        return std::nullopt;
    return lookError ? WriteError{writeFailureOf(lookError), lookError}
                     : WriteError{WriteFailure::NotRegularFile, 0};
}

int regularfile::systemError() {
    return errno;
}

void regularfile::clearSystemError() {
    errno = 0;
}

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
    return regularfile::readAtMost(file, maxSize);
}

} // namespace vortan
