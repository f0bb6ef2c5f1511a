#pragma once
// Values of the parameter set that lie outside the ranges of their fields. Normalise bounds
// only some values; the others a unit or a parameter file may hold at any byte, and the field
// shows them as they are. Programming names them first, the tune sheet marks them, and a
// typed value outside its field's range is refused with a line saying why.

#include "params/DeviceImage.h"
#include "params/ParamDiff.h"

#include <string>
#include <vector>

namespace vortan {

// One value outside its field's range, in engineering units.
struct OutOfRangeValue {
    int byte;
    int value;
    int minimum;
    int maximum;
    std::string text; // "Base advance: 99°, range 0..40°"
};

// The values of `image` outside their fields' ranges (and a motorbike type beyond the list), in
// the order of the window's pages, named in `language` as the window labels them.
std::vector<OutOfRangeValue> outOfRangeValues(const DeviceImage& image, int language,
                                              const CaptionLookup& caption);
// True when the value at image position `byte` lies outside its field's range.
bool isOutOfRange(const DeviceImage& image, int byte);

// "Limiter [rpm]: 30,000 is outside 999..25,000; kept 11,000": a typed value refused.
std::string typedRefusedText(const std::string& caption, int typed, int minimum, int maximum,
                             int kept, int language);

// `name` without a trailing unit in brackets ("Limiter [rpm]" → "Limiter"): the value beside
// it carries the unit.
std::string withoutUnit(const std::string& name);
// A value in engineering units with `unit` as the window writes it ("99°", "1,000 rpm").
std::string valueWithUnit(int value, const char* unit);

} // namespace vortan
