#pragma once
// What the run log of monitor/LogRecorder.h leaves to each system (LogRecorder.cpp on
// Linux, LogRecorderWin.cpp on Windows); the shared steps are in LogRecorderSteps.cpp.

#include <QString>

#include <cstddef>
#include <string>

namespace vortan::logfile {

// Creates or empties the regular file at `path` for writing: its descriptor, or -1 with the
// system's words in `error` (something other than a regular file there is never opened).
int open(const QString& path, std::string& error);
// Writes at most `size` bytes: how many went, or -1 (errno tells why).
long write(int fd, const char* bytes, std::size_t size);
// Whether the open file has been deleted under the recording.
bool deleted(int fd);
void close(int fd);

} // namespace vortan::logfile
