#pragma once
// The map cell, throttle row and servo column the engine runs in, from the latest monitor
// values and the parameter set.

#include "params/DeviceImage.h"

#include <cstdint>

namespace vortan {

struct MapCursor {
    std::uint8_t column = 0;
    std::uint8_t row = 0;
    std::uint8_t servoColumn = 0;
    bool belowMap = true;
    bool operator==(const MapCursor& o) const {
        return column == o.column && row == o.row && servoColumn == o.servoColumn &&
               belowMap == o.belowMap;
    }
    bool operator!=(const MapCursor& o) const { return !(*this == o); }
};

// Index of the axis point nearest to s (ties go low); `below` is set when s lies under
// the first point (the index is then 0).
int nearestAxisPoint(const std::uint8_t* axis, int s, bool* below);
// Row of the throttle axis nearest to `percent`; row 9 for a sensor error (above 100).
int throttleRow(int percent);

MapCursor computeMapCursor(std::uint16_t rpm, std::uint8_t tpsPercent, const DeviceImage& image);

} // namespace vortan
