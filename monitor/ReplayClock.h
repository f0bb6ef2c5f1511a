#pragma once
// Where a replay stands in its log: a position in log time that runs at 1x, 2x, 4x or 8x the
// wall clock, pauses, seeks, and steps from row to row. The row shown is the last one whose
// time has come.

#include "monitor/LogCsv.h"

#include <cstdint>
#include <vector>

namespace vortan {

class ReplayClock {
public:
    // `rows` (in time order, not empty) outlive the clock.
    explicit ReplayClock(const std::vector<LogRow>& rows);

    // Moves the position on by `elapsedMs` of wall time times the speed, unless paused; it
    // stops at the last row.
    void advance(std::int64_t elapsedMs);
    void setSpeed(int factor) { speed_ = factor; }
    int speed() const { return speed_; }
    void setPaused(bool paused) { paused_ = paused; }
    bool paused() const { return paused_; }

    // To a time of the log, kept within the first and the last row.
    void seek(std::int64_t timeMs);
    // To a row's time; `row` is kept within the rows.
    void seekRow(long row);
    void stepRow(long delta) { seekRow(row() + delta); }

    std::int64_t position() const { return position_; }
    std::int64_t start() const;
    std::int64_t end() const;
    bool atEnd() const { return position_ >= end(); }
    // The row shown: after a step, the row stepped to (rows may share a time); else the last
    // row whose time is at or before the position.
    long row() const { return row_; }

private:
    long lastRowAt(std::int64_t timeMs) const;

    const std::vector<LogRow>& rows_;
    std::int64_t position_ = 0;
    long row_ = 0;
    int speed_ = 1;
    bool paused_ = false;
};

} // namespace vortan
