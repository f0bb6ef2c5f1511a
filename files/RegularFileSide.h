#pragma once
// What the save and the read of files/RegularFile.h leave to each system
// (RegularFile.cpp on Linux, RegularFileWin.cpp on Windows); the shared steps are in
// RegularFileSteps.cpp.

#include "files/RegularFile.h"

#include <QFile>

namespace vortan::regularfile {

// Why no save may go to `path` (something other than a regular file is there, or the path
// cannot be looked at); nothing when a save may go on.
std::optional<WriteError> refuseSave(const QString& path);

// The system's error number of the step that just failed, 0 where the system gives none (on
// Windows Qt tells a failure only as a kind of error); clearSystemError() before each step.
int systemError();
void clearSystemError();

// The rest of an open file, when it holds at most `maxSize` bytes.
std::optional<QByteArray> readAtMost(QFile& file, qint64 maxSize);

} // namespace vortan::regularfile
