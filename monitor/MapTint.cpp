#include "monitor/MapTint.h"

#include <algorithm>

namespace vortan {

namespace {
// Half way to white: the cells' own text (black, or red when out of range) stays readable
// on every colour of the scale.
Rgb light(Rgb c) {
    return {(c.red + 255) / 2, (c.green + 255) / 2, (c.blue + 255) / 2};
}
} // namespace

CellTints advanceTints(const DeviceImage& image) {
    const std::uint8_t* map = image.bytes.data() + Byte::ADVANCE;
    const auto [low, high] = std::minmax_element(map, map + 100);
    CellTints tints;
    for (std::size_t i = 0; i < 100; ++i)
        tints[i] = light(scaleColour(map[i], *low, *high));
    return tints;
}

CellTints dwellTints(const DwellShares& dwell) {
    CellTints tints;
    const double most = dwell.maxShare();
    if (most <= 0)
        return tints;
    for (int i = 0; i < 100; ++i) {
        const double share = dwell.share(i / 10, i % 10);
        if (share > 0)
            tints[static_cast<std::size_t>(i)] = light(scaleColour(share / most));
    }
    return tints;
}

} // namespace vortan
