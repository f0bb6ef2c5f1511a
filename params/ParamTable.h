#pragma once
// How each parameter control maps onto its image byte: scale, range and step of the
// value shown, and the offset of the 100 % throttle byte.

#include "params/DeviceImage.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vortan {

struct NumberParam {
    const char* editName; // objectName of the spin box
    int byte;             // image position
    int scale;            // shown = (byte + offset) * scale
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
    const char* checkBoxName;
    int byte;
};

// The single values of page 1 (limiters, clutch, ... retard times).
const std::vector<NumberParam>& singleNumberParams();
// The 130 table values in the window's table order: RPM_ADV 0..9, map cells 10..109,
// RPM_PRIV 110..119, NAP_PRIV 120..129.
const std::array<NumberParam, 130>& tableParams();
// Every number: single values, then the table.
std::vector<NumberParam> allNumberParams();
// The number held in image byte `byte`; null when no field holds one.
const NumberParam* numberParamAt(int byte);
// The check boxes that hold an image flag.
const std::vector<FlagParam>& flagParams();

} // namespace vortan
