#pragma once
// The advance map as text for the clipboard, the way spreadsheets copy and paste tables: one
// line per row, cells separated by tabs. Pasting takes tab, semicolon, comma or space
// separated numbers; anything that is not a table of numbers is refused with its reason.

#include "params/MapOperations.h"

#include <string>
#include <vector>

namespace vortan {

// The rectangle around the selected cells, top row first; a cell of the rectangle that is not
// selected stays empty. `withAxes`: a first line with the engine speeds in rpm and a first
// column with the throttle in percent.
std::string copyCells(const DeviceImage& image, const MapMask& cells, bool withAxes);

enum class PasteProblem {
    None,
    NoNumbers,  // nothing but blanks
    NotANumber, // a word; `word` tells which
    EmptyField, // two separators with nothing between
    Ragged,     // rows of different lengths
    DoesNotFit, // the block reaches beyond the visible map from where it goes
};

struct MapBlock {
    int rows = 0;
    int columns = 0;
    std::vector<double> values; // row by row
};

struct ParsedBlock {
    MapBlock block; // with DoesNotFit only its size, the whole text's
    PasteProblem problem = PasteProblem::None;
    std::string word; // shortened to 20 characters and "…"
};
// Numbers may carry a decimal point (or a decimal comma, unless commas separate them). Text
// with no tab or semicolon whose every line is one "digits,digits" is a column of numbers with
// decimal commas, as a Czech or German spreadsheet copies them.
ParsedBlock parseBlock(const std::string& text);

struct PasteResult {
    MapResult result;
    PasteProblem problem = PasteProblem::None;
    MapMask filled; // the cells written
};
// A selected rectangle whose sides are whole multiples of the block's (equal included) is
// filled with repeats of the block; otherwise the block goes once, downwards over the
// visible rows, to the selected rectangle's top-left cell, or to the focused cell when the
// selection is no rectangle.
PasteResult pasteBlock(const DeviceImage& image, const MapBlock& block,
                       const MapSelection& selection);

} // namespace vortan
