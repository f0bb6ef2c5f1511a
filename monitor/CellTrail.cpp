#include "monitor/CellTrail.h"

#include <algorithm>
#include <cmath>

namespace vortan {

namespace {
// A dark green that reads on every colour of the scale and is plainly not the lime.
constexpr Rgb kTrailGreen{0x1E, 0x8C, 0x3C};
} // namespace

void CellTrail::sample(std::int64_t timeMs, const MapCursor& cursor) {
    if (!visits_.empty() && timeMs < visits_.back().timeMs)
        visits_.clear();
    const int cell = cursor.belowMap ? -1 : cursor.row * 10 + cursor.column;
    // The same cell again only moves its time on.
    if (!visits_.empty() && visits_.back().cell == cell)
        visits_.back().timeMs = timeMs;
    else
        visits_.push_back({timeMs, cell});
    while (!visits_.empty() && visits_.front().timeMs < timeMs - kTrailMs)
        visits_.pop_front();
}

std::array<double, 100> CellTrail::strengths(std::int64_t nowMs) const {
    std::array<double, 100> s{};
    for (const Visit& v : visits_) {
        if (v.cell < 0)
            continue;
        const double age = double(nowMs - v.timeMs);
        const double strength = std::clamp(1.0 - age / double(kTrailMs), 0.0, 1.0);
        double& cell = s[static_cast<std::size_t>(v.cell)];
        cell = std::max(cell, strength);
    }
    return s;
}

bool CellTrail::shows(std::int64_t nowMs) const {
    for (const Visit& v : visits_)
        if (v.cell >= 0 && nowMs - v.timeMs < kTrailMs)
            return true;
    return false;
}

Rgb trailColour(Rgb under, double strength) {
    const double a = std::clamp(strength, 0.0, 1.0) * 0.8;
    auto mix = [a](int top, int bottom) {
        return static_cast<int>(std::lround(top * a + bottom * (1.0 - a)));
    };
    return {mix(kTrailGreen.red, under.red), mix(kTrailGreen.green, under.green),
            mix(kTrailGreen.blue, under.blue)};
}

} // namespace vortan
