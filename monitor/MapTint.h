#pragma once
// The map's colouring: per cell a tint from the colour scale, or none (the plain window
// colour). One function per choice, so the choices can sit behind any control.

#include "monitor/DwellShares.h"
#include "params/ColourScale.h"
#include "params/DeviceImage.h"

#include <array>
#include <optional>

namespace vortan {

using CellTints = std::array<std::optional<Rgb>, 100>;

// Each cell by its advance, from the map's lowest to its highest value.
CellTints advanceTints(const DeviceImage& image);
// Each cell the engine ran in by its share of the time, the cell with the most at the hot end;
// cells never used stay plain.
CellTints dwellTints(const DwellShares& dwell);

} // namespace vortan
