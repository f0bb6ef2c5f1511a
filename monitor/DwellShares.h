#pragma once
// Where the engine spent its time: per map cell, the share of the time the cursor stood
// there. Each sample's time runs until the next sample; a gap longer than kMaxSampleGapMs
// (the unit was silent, the recording paused) counts as that much only.

#include "params/MapCursor.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vortan {

constexpr std::int64_t kMaxSampleGapMs = 1000;

class DwellShares {
public:
    // The cursor as it stood at `timeMs`; the time since the previous sample goes to the
    // previous sample's cell. Times before the previous sample are ignored.
    void sample(std::int64_t timeMs, const MapCursor& cursor);
    void clear() { *this = DwellShares(); }

    // Share (0..1) of all the time sampled, below the map included, spent in the cell.
    double share(int row, int column) const;
    // The largest share of any cell (0 when nothing was sampled): the hot end of the tint.
    double maxShare() const;
    std::int64_t totalMs() const { return totalMs_; }

private:
    std::array<std::int64_t, 100> cellMs_{};
    std::int64_t totalMs_ = 0;
    std::optional<std::int64_t> lastTime_;
    MapCursor lastCursor_;
};

} // namespace vortan
