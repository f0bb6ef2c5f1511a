#include "monitor/DwellShares.h"

#include <algorithm>

namespace vortan {

void DwellShares::sample(std::int64_t timeMs, const MapCursor& cursor) {
    if (lastTime_) {
        if (timeMs < *lastTime_)
            return;
        const std::int64_t ms = std::min(timeMs - *lastTime_, kMaxSampleGapMs);
        totalMs_ += ms;
        if (!lastCursor_.belowMap)
            cellMs_[static_cast<std::size_t>(lastCursor_.row * 10 + lastCursor_.column)] += ms;
    }
    lastTime_ = timeMs;
    lastCursor_ = cursor;
}

double DwellShares::share(int row, int column) const {
    if (totalMs_ == 0 || row < 0 || row > 9 || column < 0 || column > 9)
        return 0.0;
    return double(cellMs_[static_cast<std::size_t>(row * 10 + column)]) / double(totalMs_);
}

double DwellShares::maxShare() const {
    if (totalMs_ == 0)
        return 0.0;
    return double(*std::max_element(cellMs_.begin(), cellMs_.end())) / double(totalMs_);
}

} // namespace vortan
