#include "monitor/MapTint.h"

namespace vortan {

CellTints dwellTints(const DwellShares& dwell) {
    CellTints tints;
    const double most = dwell.maxShare();
    if (most <= 0)
        return tints;
    for (int i = 0; i < 100; ++i) {
        const double share = dwell.share(i / 10, i % 10);
        if (share > 0)
            tints[static_cast<std::size_t>(i)] = scaleColour(share / most);
    }
    return tints;
}

} // namespace vortan
