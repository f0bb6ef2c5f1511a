#pragma once
// Texts about values outside their fields' ranges and values the rules of the parameter set
// correct: the box before programming such values, the box after a read whose values were
// corrected, the status-bar line of a typed value refused, and the tune sheet's mark. Those
// with %1 .. %5 take the named values.

#include <string>

namespace vortan {

enum class RangeText {
    ProgramQuestion,    // box before programming values outside their ranges
    ProgramAnyway,      // its button that programs them all the same
    Cancel,             // its button that sends nothing
    OutOfRangeLine,     // %1 name, %2 value with unit, %3 range with unit
    ReadCorrected,      // box after a read whose values the rules corrected
    CorrectedBelow,     // %1 name, %2 value the unit holds, %3 bound or other value, %4 value shown
    CorrectedAbove,     // the same, for a value above
    CorrectedNotAbove,  // the same, for an axis point not above the point before it
    FileCorrected,      // heading of what the rules corrected in a parameter file's set
    FileCorrectedBelow, // as CorrectedBelow, for a value a parameter file holds
    FileCorrectedAbove, // as CorrectedAbove, for a file
    FileCorrectedNotAbove, // as CorrectedNotAbove, for a file
    TypedRefused,          // %1 field caption, %2 typed, %3..%4 range, %5 value kept
    SheetMark,             // after a value on the tune sheet that lies outside its range
    SheetLegend,           // below the tune sheet when a value is marked
};

// The text of `t` in `language` (0 Czech, 1 English, 2 German); empty for other indexes.
std::string rangeText(RangeText t, int language);

} // namespace vortan
