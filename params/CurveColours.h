#pragma once
// The colours of the curves panel's ten throttle rows: one step each along the map's colour
// scale, dark at 0 % and lighter towards 100 %, so the order reads without telling hues apart
// (colour-blind tuners, a grey printout). The scale's palest end is left out: on the white
// chart it would hardly show.

#include "params/ColourScale.h"

namespace vortan {

// The colour of throttle row `row` (0 the 0 % row .. 9 the 100 % row); clamped.
Rgb throttleRowColour(int row);

} // namespace vortan
