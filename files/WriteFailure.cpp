// What a failed save's system error number means to the user: the same on every system.

#include "files/RegularFile.h"

#include <cerrno>

namespace vortan {

WriteFailure writeFailureOf(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return WriteFailure::NoPermission;
    case EROFS:
        return WriteFailure::ReadOnly;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
        return WriteFailure::NoSpace;
    case ENOENT:
    case ENOTDIR:
    case EEXIST: // something other than a folder where the folder should be made
        return WriteFailure::NoFolder;
    case EISDIR:
#ifdef ELOOP
    case ELOOP:
#endif
    case ENXIO: // a named pipe no one reads
        return WriteFailure::NotRegularFile;
    default:
        return WriteFailure::Other;
    }
}

WriteFailure writeFailureOf(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::PermissionsError:
        return WriteFailure::NoPermission;
    case QFileDevice::ResourceError:
    case QFileDevice::WriteError:
        return WriteFailure::NoSpace;
    default:
        return WriteFailure::Other;
    }
}

} // namespace vortan
