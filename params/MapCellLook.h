#pragma once
// What a map cell's background shows, in order of precedence: the lime of the cell in use,
// then the selection, then the colour of its advance when the map is coloured, else the
// plain window colour. The orange difference frame and the red of a value out of range are
// drawn by the cell itself over any of these.

#include "params/ColourScale.h"

namespace vortan {

enum class CellBackground { Window, InUse, Selected, Scale };

struct CellLook {
    CellBackground background = CellBackground::Window;
    Rgb scale; // the colour of the advance, for Scale
    bool operator==(const CellLook& o) const {
        return background == o.background &&
               (background != CellBackground::Scale || scale == o.scale);
    }
};

// `low`..`high`: the range of advance that the colour scale spans.
CellLook cellLook(bool inUse, bool selected, bool coloured, int advance, int low, int high);

} // namespace vortan
