#pragma once
// Operations on the selected cells of the advance map: each is a pure function of the image,
// the selection and its argument that gives the new image and how many results had to be
// kept within 0..60 degrees. Results are rounded to whole degrees, halves away from zero;
// cells outside the selection never change.

#include "params/DeviceImage.h"
#include "params/MapSelection.h"

#include <optional>

namespace vortan {

constexpr int kMinAdvance = 0;
constexpr int kMaxAdvance = 60;

struct MapResult {
    DeviceImage image;
    int clipped = 0; // cells whose result lay outside 0..60
};

// Every selected cell moves by `degrees` (negative lowers).
MapResult raiseCells(const DeviceImage& image, const MapMask& cells, int degrees);
// Every selected cell becomes `degrees`.
MapResult setCells(const DeviceImage& image, const MapMask& cells, int degrees);
// Every selected cell is multiplied by `percent` / 100.
MapResult scaleCells(const DeviceImage& image, const MapMask& cells, int percent);

enum class Interpolation {
    Horizontal, // along each row, between its first and last selected cell, over engine speed
    Vertical,   // along each column, over the throttle axis
    Corners,    // across the rectangle around the selection, from its four corner cells
};
// The direction that a selection leaves no doubt about: one row gives Horizontal, one column
// Vertical; none for a single cell or a selection of several rows and columns.
std::optional<Interpolation> obviousInterpolation(const MapMask& cells);
// Straight lines over the axes' values (RPM_ADV in rpm, the throttle axis in percent).
MapResult interpolateCells(const DeviceImage& image, const MapMask& cells, Interpolation how);
// Each selected cell goes half way towards the mean of its selected neighbours (the eight
// around it); a cell with none stays.
MapResult smoothCells(const DeviceImage& image, const MapMask& cells);

// Rounds `value` to a whole degree and keeps it within 0..60, counting a clip in `clipped`.
std::uint8_t keptAdvance(double value, int& clipped);

} // namespace vortan
