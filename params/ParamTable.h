#pragma once
// The parameter table: one row for each parameter of pages 1 and 2, in the order of the
// window's pages. A row says where the parameter lies in the image, how its bytes are shown
// (scale, offset, range, step, unit), under which key the parameter file holds it and which
// text names it. The control descriptors, the comparison of sets, the tune sheet and the
// parameter file reader and writer are all derived from it.

#include "params/DeviceImage.h"
#include "params/Messages.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vortan {

enum class ParamKind {
    Bike,   // the motorbike type, a choice of a list
    Number, // a value shown in engineering units
    Flag,   // a switch, 0 or 1
    Map,    // the advance map, a row of cells per throttle breakpoint
};

struct ParamRow {
    ParamKind kind;
    int byte;      // first image position
    int count;     // bytes: 1, or the points of a table
    int scale;     // shown = (byte + offset) * scale
    int offset;    //
    int minimum;   // range of the shown value
    int maximum;   //
    int step;      // one arrow step, in shown units
    int lowPoints; // the first `lowPoints` points of a table may go down to `lowMinimum`
    int lowMinimum;
    const char* unit;    // "rpm", "ms", "mV", "°", "%", or ""
    const char* fileKey; // key of the parameter file; null: the file does not hold it
    bool fileRaw;        // the file holds the byte itself, not the shown value
    const char* text;    // text id of its caption; null: it has none
    const char* group;   // text id of the group box around it; null: none
    bool namedInGroup;   // named "group › caption" (the group holds alike captions)
    const char* page;    // text id of the tab page it stands on; null: on none
    // What names it where no caption does: a table's points with their number (%1), the
    // motorbike type. Rows with neither are named by their file key.
    Message nameMessage;
    int initial; // the byte of the default set; -1: the default set keeps it (or sets a table)

    bool isTable() const { return count > 1; }
};

// Every parameter, in the order of the window's pages (within a page, as placed).
const std::vector<ParamRow>& paramRows();
// The row that holds image byte `byte`; null when no parameter does.
const ParamRow* paramRowAt(int byte);

// A number field's descriptor, derived from its row.
struct NumberParam {
    int byte; // image position
    int scale;
    int offset;
    int minimum;
    int maximum;
    int step;

    int shown(std::uint8_t stored) const { return (stored + offset) * scale; }
    // A shown value to its byte: divided by the scale, remainder dropped, modulo 256.
    std::uint8_t stored(int shownValue) const {
        return static_cast<std::uint8_t>(shownValue / scale - offset);
    }
};

struct FlagParam {
    int byte;
};

// The single values of page 1 (limiters, clutch, ... servo hysteresis), in table order.
const std::vector<NumberParam>& singleNumberParams();
// The 130 table values in the window's table order: RPM_ADV 0..9, map cells 10..109,
// RPM_PRIV 110..119, NAP_PRIV 120..129.
const std::array<NumberParam, 130>& tableParams();
// Every number: single values, then the table.
std::vector<NumberParam> allNumberParams();
// The number held in image byte `byte`; null when no field holds one.
const NumberParam* numberParamAt(int byte);
// The switches that have a place on the window.
const std::vector<FlagParam>& flagParams();

} // namespace vortan
