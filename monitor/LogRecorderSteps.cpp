// The run log's steps that both systems share; monitor/LogRecorderSide.h names what each
// system does its own way.

#include "monitor/LogCsv.h"
#include "monitor/LogRecorder.h"
#include "monitor/LogRecorderSide.h"

#include <cerrno>
#include <cstring>

namespace vortan {

bool LogRecorder::start(const QString& path, std::int64_t nowMs) {
    stop();
    error_.clear();
    const int fd = logfile::open(path, error_);
    if (fd < 0)
        return false;
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
        if (logfile::deleted(fd_)) {
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
        logfile::close(fd_);
    fd_ = -1;
}

bool LogRecorder::writeAll(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const long n = logfile::write(fd_, bytes.data() + done, bytes.size() - done);
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
