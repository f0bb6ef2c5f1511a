#pragma once
// The one rule for the program's own files (parameter files, settings, last image): only a
// regular file is read or replaced, reached through symbolic links where there are any. A
// device, a named pipe, a socket or a folder in its place is refused: never read (a pipe
// blocks, a device may never end) and never replaced by a plain file.

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace vortan {

// The whole file when `path` leads to a regular file of at most `maxSize` bytes; nothing when
// it is missing, no regular file, unreadable or larger.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxSize);

// Makes `contents()` the whole file at `path`; a symbolic link stays and its target is
// written. The new contents go to a temporary file that then replaces the old one, so a failed
// save leaves the old file whole; where the folder may not be written but the file may, the
// file is written in place instead. `contents` is called only once the file is open. False
// when the save failed or something other than a regular file is there.
bool writeRegularFile(const QString& path, const std::function<QByteArray()>& contents);

inline bool writeRegularFile(const QString& path, const QByteArray& bytes) {
    return writeRegularFile(path, [&bytes] { return bytes; });
}

} // namespace vortan
