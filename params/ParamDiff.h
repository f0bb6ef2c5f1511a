#pragma once
// Which parameters two or three parameter sets hold differently, named as the window labels
// them and valued in engineering units, for the difference report, the counts in the status
// bar and the marks on the fields. Reserved byte 101 and RPM2 (byte 102), which the unit may
// change by itself, are left out, as the verify leaves them out.

#include "params/DeviceImage.h"
#include "params/ParamTable.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vortan {

// One compared byte of pages 1 and 2: a parameter, a point of a table, a map cell, or a
// byte no parameter holds.
struct ComparedParam {
    enum Kind { Number, Flag, Bike, MapCell, OtherByte };
    Kind kind;
    int byte;      // image position
    int scale = 1; // shown = (byte + offset) * scale
    int offset = 0;
    const char* unit = "";         // "rpm", "ms", "mV", "°", "%"
    const char* text = nullptr;    // text id of the caption that names it, if any
    int point = 0;                 // point 1..10 of a table (the map's cells: 0)
    const ParamRow* row = nullptr; // its row of the parameter table; null: no parameter's
};

// Every byte of pages 1 and 2 but 101 and 102: the single values, the switches, then the
// tables point by point (tables of one length in one group side by side), in the order of the
// parameter table, then the bytes no parameter holds.
const std::vector<ComparedParam>& comparedParams();

// The caption the window shows now under text id `textId` (a field's label, a check box, a
// group box, a tab page), without its '&'.
using CaptionLookup = std::function<std::string(const char* textId)>;

// The name of `p` in `language`, as the window labels it (group › label where a group box
// holds several alike labels); map cells by throttle row and the speed of their column on
// `screen` ("Advance 20 % / 3,000 rpm").
std::string paramName(const ComparedParam& p, const DeviceImage& screen, int language,
                      const CaptionLookup& caption);
// The value of `p` in `image` with its unit ("11,000 rpm", "200 ms", "on").
std::string paramValue(const ComparedParam& p, const DeviceImage& image, int language);

// A parameter that differs: the screen's value against the unit's and the file's, where
// those are known.
struct ParamDifference {
    const ComparedParam* param;
    bool unitDiffers;
    bool fileDiffers;
};
std::vector<ParamDifference> compareImages(const DeviceImage& screen,
                                           const std::optional<DeviceImage>& unit,
                                           const std::optional<DeviceImage>& file);
// How many parameters differ between two sets.
int countDifferences(const DeviceImage& a, const DeviceImage& b);
// True when image byte `position` is compared at all.
bool isComparedByte(int position);

} // namespace vortan
