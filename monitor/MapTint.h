#pragma once
// The map's colouring by time in cell: per cell a tint from the colour scale, or none (the
// plain window colour). The colouring by advance is the map editor's (params/MapCellLook).

#include "monitor/DwellShares.h"
#include "params/ColourScale.h"

#include <array>
#include <optional>

namespace vortan {

using CellTints = std::array<std::optional<Rgb>, 100>;

// Each cell the engine ran in by its share of the time, the cell with the most at the hot end;
// cells never used stay plain.
CellTints dwellTints(const DwellShares& dwell);

} // namespace vortan
