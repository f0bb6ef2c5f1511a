#include "monitor/LogRecorder.h"

#include <cstdio>

// The status-bar field of a recording, the same on every system.

namespace vortan {

std::string recordingFieldText(std::int64_t elapsedMs, int lines) {
    const long long s = elapsedMs < 0 ? 0 : elapsedMs / 1000;
    char buf[64];
    if (s >= 3600)
        std::snprintf(buf, sizeof buf, "\xE2\x97\x8F REC %lld:%02lld:%02lld \xC2\xB7 %d", s / 3600,
                      s / 60 % 60, s % 60, lines);
    else
        std::snprintf(buf, sizeof buf, "\xE2\x97\x8F REC %02lld:%02lld \xC2\xB7 %d", s / 60, s % 60,
                      lines);
    return buf;
}

} // namespace vortan
