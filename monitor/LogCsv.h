#pragma once
// The run log: one CSV line per accepted monitor packet (RFC 4180, a header line, a dot as
// decimal separator whatever the locale), and the reader that turns such a file, or any CSV
// with at least time_s, rpm and throttle_pct, back into rows.

#include "monitor/MonitorPacket.h"
#include "params/MapCursor.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vortan {

// The header line, CRLF-terminated, columns in the order logLine() writes them.
const std::string& logHeader();
// One line: `timeMs` since the start of the recording (written as seconds with three
// decimals), the packet's values with the voltages in mV, the flags as 0/1 and the cursor.
std::string logLine(std::int64_t timeMs, const MonitorPacket& p, const MapCursor& c);

// One row read back. The voltages come back as the smallest raw value that shows the logged
// millivolts, so the display shows what was logged.
struct LogRow {
    std::int32_t timeMs = 0;
    MonitorPacket packet;
    PacketValues values; // those with a field in the row; the others read as 0
};

enum class LogError {
    None,
    Empty,          // no bytes at all
    Binary,         // the header holds bytes no text has (NUL)
    MissingColumns, // time_s, rpm or throttle_pct is not among the header's columns
    NoRows,         // a header and no usable row
};

struct LogReadResult {
    LogError error = LogError::None;
    std::vector<LogRow> rows; // in time order
    int skipped = 0;          // damaged rows
    int outOfOrder = 0;       // rows earlier than the row before them in the file
    std::string missing;      // the missing required columns, comma-separated
};

// Reads a whole log. Any column order; unknown columns are ignored; a missing optional column,
// or an empty optional field, reads as 0 and is left out of the row's values. Fields are separated
// by commas, or by semicolons or tabs when the header line has no comma (as spreadsheets write in
// locales with a decimal comma); with those, a comma is also a decimal mark. A row with too few
// fields, or a word or a number out of range where a number belongs, is skipped and counted. Rows
// that are not in time order are counted and sorted by time.
LogReadResult readLog(const char* data, std::size_t size);

// The smallest raw reading that converts to `millivolts` (0..5000).
std::uint16_t rawForMillivolts(int millivolts);

} // namespace vortan
