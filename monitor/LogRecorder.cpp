#include "monitor/LogRecorder.h"
#include "monitor/LogCsv.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vortan {

bool LogRecorder::start(const QString& path, std::int64_t nowMs) {
    stop();
    error_.clear();
    const QByteArray name = QFile::encodeName(path);
    // Something other than a regular file in its place is never opened (a device may answer
    // an open); the open file is checked again, and opened without waiting for a reader.
    struct stat st {};
    if (::stat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        error_ = std::strerror(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
        return false;
    }
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) {
        error_ = std::strerror(errno);
        return false;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::ftruncate(fd, 0) != 0) {
        error_ = std::strerror(S_ISREG(st.st_mode) ? errno : EINVAL);
        ::close(fd);
        return false;
    }
    fd_ = fd;
    startMs_ = nowMs;
    checkedMs_ = nowMs;
    lines_ = 0;
    return writeAll(logHeader());
}

bool LogRecorder::add(std::int64_t nowMs, const MonitorPacket& packet, const MapCursor& cursor) {
    if (fd_ < 0)
        return true;
    if (!writeAll(logLine(nowMs - startMs_, packet, cursor)))
        return false;
    // A file deleted under the recording takes every line with it: said within a second,
    // not at the end (looked at once a second: a packet's line must stay cheap).
    if (nowMs - checkedMs_ >= 1000) {
        checkedMs_ = nowMs;
        struct stat st {};
        if (::fstat(fd_, &st) == 0 && st.st_nlink == 0) {
            error_ = std::strerror(ENOENT);
            stop();
            return false;
        }
    }
    ++lines_;
    return true;
}

void LogRecorder::stop() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool LogRecorder::writeAll(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error_ = std::strerror(n < 0 ? errno : ENOSPC);
            stop();
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace vortan
