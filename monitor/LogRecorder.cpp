#include "monitor/LogRecorderSide.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The Linux side of the run log: the file opened without waiting for a reader, checked to be a
// regular file before and after the open; a deleted file has no links left.

namespace vortan {

int logfile::open(const QString& path, std::string& error) {
    const QByteArray name = QFile::encodeName(path);
    // Something other than a regular file in its place is never opened (a device may answer
    // an open); the open file is checked again, and opened without waiting for a reader.
    struct stat st {};
    if (::stat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        error = std::strerror(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
        return -1;
    }
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = std::strerror(errno);
        return -1;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::ftruncate(fd, 0) != 0) {
        error = std::strerror(S_ISREG(st.st_mode) ? errno : EINVAL);
        ::close(fd);
        return -1;
    }
    return fd;
}

long logfile::write(int fd, const char* bytes, std::size_t size) {
    for (;;) {
        const ssize_t n = ::write(fd, bytes, size);
        if (n >= 0 || errno != EINTR)
            return long(n);
    }
}

bool logfile::deleted(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 && st.st_nlink == 0;
}

void logfile::close(int fd) {
    ::close(fd);
}

} // namespace vortan
