#include "params/MapCursor.h"

namespace vortan {

int nearestAxisPoint(const std::uint8_t* axis, int s, bool* below) {
    int i = 0;
    while (i < kAxisPoints && axis[i] <= s)
        ++i;
    if (below)
        *below = (i == 0);
    if (i == 0)
        return 0;
    if (i == kAxisPoints)
        return kAxisPoints - 1;
    // Sum in int: two points of up to 255 must not wrap. A tie goes to the lower point.
    const int sum = int{axis[i - 1]} + int{axis[i]};
    return sum >= 2 * s ? i - 1 : i;
}

int throttleRow(int percent) {
    if (percent > 100)
        return kMapRows - 1; // sensor error
    int k = 1;
    while (k < kMapRows && kThrottleAxis[static_cast<std::size_t>(k)] <= percent)
        ++k;
    if (k == kMapRows)
        return kMapRows - 1;
    const int sum =
        kThrottleAxis[static_cast<std::size_t>(k - 1)] + kThrottleAxis[static_cast<std::size_t>(k)];
    return sum >= 2 * percent ? k - 1 : k;
}

MapCursor computeMapCursor(std::uint16_t rpm, std::uint8_t tpsPercent, const DeviceImage& image) {
    const int s = rpm / 100;
    MapCursor c;
    bool below = true;
    c.column = static_cast<std::uint8_t>(nearestAxisPoint(&image.bytes[Byte::RPM_ADV], s, &below));
    c.belowMap = below;
    c.servoColumn =
        static_cast<std::uint8_t>(nearestAxisPoint(&image.bytes[Byte::RPM_PRIV], s, nullptr));
    // Without the throttle-dependent map the unit runs on the full-throttle row.
    c.row = static_cast<std::uint8_t>(image[Byte::TPS_MAPA] ? throttleRow(tpsPercent) : 9);
    return c;
}

} // namespace vortan
