#pragma once
// The texts of the map editing tools: the status-bar reports, the questions, the context
// menu and the curves panel, in Czech, English and German; and the captions and hints of
// the map page's editing controls, set with the other texts at a language switch.

#include "lang/Texts.h"

#include <string>
#include <vector>

namespace vortan {

enum class MapEditText {
    Clipped, // %1 cells
    PasteNoNumbers,
    PasteNotANumber, // %1 the word
    PasteEmptyField,
    PasteRagged,
    PasteDoesNotFit, // %1 rows, %2 columns
    SetTitle,
    SetLabel,
    ScaleTitle,
    ScaleLabel,
    InterpolateTitle,
    InterpolateLabel,
    Horizontal,
    Vertical,
    Corners,
    Raise,
    Lower,
    Set,
    Scale,
    Interpolate,
    Smooth,
    Copy,
    CopyWithAxes,
    Paste,
    SelectAll,
    CurvesTitle,
    SpeedAxis,
    AdvanceAxis,
    ServoAxis,
    CellInUse,
    ServoPointInUse, // the last
};

// The text of `t` in `language`; empty for other indexes.
std::string mapEditText(MapEditText t, int language);

// Captions and hints of the map page's editing controls.
const std::vector<UiText>& mapEditUiTexts();

} // namespace vortan
