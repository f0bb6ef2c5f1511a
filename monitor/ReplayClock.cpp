#include "monitor/ReplayClock.h"

#include <algorithm>

namespace vortan {

ReplayClock::ReplayClock(const std::vector<LogRow>& rows) : rows_(rows) {
    position_ = start();
}

std::int64_t ReplayClock::start() const {
    return rows_.empty() ? 0 : rows_.front().timeMs;
}

std::int64_t ReplayClock::end() const {
    return rows_.empty() ? 0 : rows_.back().timeMs;
}

void ReplayClock::advance(std::int64_t elapsedMs) {
    if (!paused_ && elapsedMs > 0 && position_ < end())
        seek(position_ + elapsedMs * speed_);
}

void ReplayClock::seek(std::int64_t timeMs) {
    position_ = std::clamp(timeMs, start(), end());
    row_ = lastRowAt(position_);
}

void ReplayClock::seekRow(long row) {
    if (rows_.empty())
        return;
    const long last = static_cast<long>(rows_.size()) - 1;
    row_ = std::clamp(row, 0L, last);
    position_ = rows_[static_cast<std::size_t>(row_)].timeMs;
}

long ReplayClock::lastRowAt(std::int64_t timeMs) const {
    const auto after =
        std::upper_bound(rows_.begin(), rows_.end(), timeMs,
                         [](std::int64_t t, const LogRow& r) { return t < r.timeMs; });
    return after == rows_.begin() ? 0 : static_cast<long>(after - rows_.begin()) - 1;
}

} // namespace vortan
