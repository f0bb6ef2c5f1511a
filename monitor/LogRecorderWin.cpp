#include "monitor/LogCsv.h"
#include "monitor/LogRecorder.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

// The Windows side of the run log: the file opened by its UTF-16 name in binary mode (the
// lines keep their line ends as on Linux). Windows does not delete a file that is open, so
// no check for that is needed.

namespace vortan {

bool LogRecorder::start(const QString& path, std::int64_t nowMs) {
    stop();
    error_.clear();
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        error_ = std::strerror(info.isDir() ? EISDIR : EINVAL);
        return false;
    }
    const int fd =
        ::_wopen(reinterpret_cast<const wchar_t*>(path.utf16()),
                 _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
    if (fd < 0) {
        error_ = std::strerror(errno);
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
    ++lines_;
    return true;
}

void LogRecorder::stop() {
    if (fd_ >= 0)
        ::_close(fd_);
    fd_ = -1;
}

bool LogRecorder::writeAll(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const int n = ::_write(fd_, bytes.data() + done, unsigned(bytes.size() - done));
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
