#include "monitor/LogRecorderSide.h"

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

int logfile::open(const QString& path, std::string& error) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        error = std::strerror(info.isDir() ? EISDIR : EINVAL);
        return -1;
    }
    const HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        error = std::strerror(GetLastError() == ERROR_PATH_NOT_FOUND ? ENOENT : EACCES);
        return -1;
    }
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        error = std::strerror(errno);
        CloseHandle(h);
        return -1;
    }
    return fd;
}

long logfile::write(int fd, const char* bytes, std::size_t size) {
    return ::_write(fd, bytes, unsigned(size));
}

bool logfile::deleted(int fd) {
    FILE_STANDARD_INFO info{};
    return GetFileInformationByHandleEx(reinterpret_cast<HANDLE>(::_get_osfhandle(fd)),
                                        FileStandardInfo, &info, sizeof info) &&
           (info.DeletePending || info.NumberOfLinks == 0);
}

void logfile::close(int fd) {
    ::_close(fd);
}

} // namespace vortan
