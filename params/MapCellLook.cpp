#include "params/MapCellLook.h"

namespace vortan {

CellLook cellLook(bool inUse, bool selected, bool coloured, int advance, int low, int high) {
    if (inUse)
        return {CellBackground::InUse, {}};
    if (selected)
        return {CellBackground::Selected, {}};
    if (coloured)
        return {CellBackground::Scale, scaleColour(advance, low, high)};
    return {CellBackground::Window, {}};
}

} // namespace vortan
