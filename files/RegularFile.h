#pragma once
// The one rule for the program's own files (parameter files, settings, last image): only a
// regular file is read or replaced, reached through symbolic links where there are any. A
// device, a named pipe, a socket or a folder in its place is refused: never read (a pipe
// blocks, a device may never end) and never replaced by a plain file.

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <functional>
#include <optional>

namespace vortan {

// The whole file when `path` leads to a regular file of at most `maxSize` bytes; nothing when
// it is missing, no regular file, unreadable or larger.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxSize);

// Why a save failed, as the user is told.
enum class WriteFailure {
    NoPermission,   // the file or its folder may not be written
    ReadOnly,       // the file system is mounted read-only
    NoSpace,        // disk full, quota or file size limit
    NoFolder,       // the folder is missing (and could not be made) or is no folder
    NotRegularFile, // a device, pipe, socket, folder or loop of links is in the file's place
    Other,          // anything else: the system's error number tells
};

// What a failed open, write, rename or mkdir with the system's error number `error` means.
WriteFailure writeFailureOf(int error);
// What a file's error means when the system's number is not at hand.
WriteFailure writeFailureOf(QFileDevice::FileError error);

// A failed save: the reason and the system's error number (0 when there is none).
struct WriteError {
    WriteFailure failure = WriteFailure::Other;
    int error = 0;
};

// Makes `contents()` the whole file at `path`; a symbolic link stays and its target is
// written. The new contents go to a temporary file that then replaces the old one, so a failed
// save leaves the old file whole; where the folder may not be written but the file may, the
// file is written in place instead. `contents` is called only once the file is open. False
// when the save failed or something other than a regular file is there.
bool writeRegularFile(const QString& path, const std::function<QByteArray()>& contents);

inline bool writeRegularFile(const QString& path, const QByteArray& bytes) {
    return writeRegularFile(path, [&bytes] { return bytes; });
}

// The same save, telling why it failed: nothing when it succeeded.
std::optional<WriteError> saveRegularFile(const QString& path,
                                          const std::function<QByteArray()>& contents);

} // namespace vortan
