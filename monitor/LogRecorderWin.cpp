#include "monitor/LogCsv.h"
#include "monitor/LogRecorder.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

// The Windows side of the run log: the file opened by its UTF-16 name in binary mode (the
// lines keep their line ends as on Linux), shared for deleting so that a file deleted under
// the recording shows as pending deletion (or, under Wine, without links), which ends it as
// on Linux.

namespace vortan {

bool LogRecorder::start(const QString& path, std::int64_t nowMs) {
    stop();
    error_.clear();
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        error_ = std::strerror(info.isDir() ? EISDIR : EINVAL);
        return false;
    }
    const HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        error_ = std::strerror(GetLastError() == ERROR_PATH_NOT_FOUND ? ENOENT : EACCES);
        return false;
    }
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        error_ = std::strerror(errno);
        CloseHandle(h);
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
    // Looked at once a second: a packet's line must stay cheap.
    if (nowMs - checkedMs_ >= 1000) {
        checkedMs_ = nowMs;
        FILE_STANDARD_INFO info{};
        if (GetFileInformationByHandleEx(reinterpret_cast<HANDLE>(::_get_osfhandle(fd_)),
                                         FileStandardInfo, &info, sizeof info) &&
            (info.DeletePending || info.NumberOfLinks == 0)) {
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
