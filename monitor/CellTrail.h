#pragma once
// The cells in use over the last kTrailMs, for a trail that fades with age, and the colour a
// cell shows: the colouring beneath, the trail over it, lime for the cell in use on top.

#include "params/ColourScale.h"
#include "params/MapCursor.h"

#include <array>
#include <cstdint>
#include <deque>
#include <optional>

namespace vortan {

constexpr std::int64_t kTrailMs = 3000;

class CellTrail {
public:
    // The cursor at `timeMs` (live: wall time; replay: log time). A time before the last one
    // (a seek backwards) starts the trail anew.
    void sample(std::int64_t timeMs, const MapCursor& cursor);
    void clear() { visits_.clear(); }
    // Per cell (row * 10 + column), how strongly it shows at `nowMs`: 1 just left, falling
    // to 0 at kTrailMs; 0 for cells not visited in that time.
    std::array<double, 100> strengths(std::int64_t nowMs) const;
    // Whether any map cell shows at `nowMs` (the tick need not repaint when none does).
    bool shows(std::int64_t nowMs) const;

private:
    struct Visit {
        std::int64_t timeMs;
        int cell; // -1 below the map
    };
    std::deque<Visit> visits_;
};

// The trail's colour over `under` at `strength` (0..1): lighter with age, down to `under`.
Rgb trailColour(Rgb under, double strength);

} // namespace vortan
