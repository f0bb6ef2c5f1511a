#pragma once
// Writes the run log: the header when it starts, then one line per accepted monitor packet,
// each handed to the system as it comes, so a crash loses at most the line being written.
// Only a regular file is written (a device, pipe or folder in its place is refused). The
// first failed write, or the file deleted under it, ends the recording; it never throws.

#include "monitor/MonitorPacket.h"
#include "params/MapCursor.h"

#include <QString>

#include <cstdint>
#include <string>

namespace vortan {

class LogRecorder {
public:
    LogRecorder() = default;
    LogRecorder(const LogRecorder&) = delete;
    LogRecorder& operator=(const LogRecorder&) = delete;
    ~LogRecorder() { stop(); }

    // Creates (or empties) the file and writes the header; `nowMs` is the start of the
    // recording on the caller's clock. False, with error() set, when it cannot.
    bool start(const QString& path, std::int64_t nowMs);
    // One line for a packet taken at `nowMs`; false when the write failed (the recording has
    // then ended, error() tells why). Does nothing while not recording.
    bool add(std::int64_t nowMs, const MonitorPacket& packet, const MapCursor& cursor);
    // Closes the file; the lines written stay.
    void stop();

    bool recording() const { return fd_ >= 0; }
    int lines() const { return lines_; }
    std::int64_t elapsedMs(std::int64_t nowMs) const { return nowMs - startMs_; }
    // The system's words for the last failure.
    const std::string& error() const { return error_; }

private:
    bool writeAll(const std::string& bytes);

    int fd_ = -1;
    std::int64_t startMs_ = 0;
    std::int64_t checkedMs_ = 0; // when the file was last seen still linked
    int lines_ = 0;
    std::string error_;
};

// The status-bar field of a recording: "● REC 00:42 · 128" (minutes and seconds, hours in
// front once there are any; the lines written).
std::string recordingFieldText(std::int64_t elapsedMs, int lines);

} // namespace vortan
