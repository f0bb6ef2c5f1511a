#include "params/CurveColours.h"

#include <algorithm>

namespace vortan {

namespace {
// Where the 100 % row stands on the scale: short of its pale yellow end.
constexpr double kLastRowAt = 0.8;
} // namespace

Rgb throttleRowColour(int row) {
    return scaleColour(std::clamp(row, 0, 9) / 9.0 * kLastRowAt);
}

} // namespace vortan
