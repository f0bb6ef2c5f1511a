#pragma once
// The cells of the advance map that the tuner has picked, as a pure value: the gestures
// (click, Shift+click, Ctrl+click, drag, Ctrl+arrows, Ctrl+Shift+arrows, select all) turn
// into a set of cells. Only visible rows are ever selected: with the throttle map off only
// the 100 % row is on screen.

#include <bitset>

namespace vortan {

struct MapCell {
    int row = 0;
    int column = 0;
    friend bool operator==(const MapCell& a, const MapCell& b) {
        return a.row == b.row && a.column == b.column;
    }
};

// One bit per map cell, row * 10 + column.
using MapMask = std::bitset<100>;

inline int cellIndex(const MapCell& c) {
    return c.row * 10 + c.column;
}

// The rows on screen: all ten with the throttle map, else only the 100 % row.
bool isVisibleRow(int row, bool throttleMap);

// The smallest rectangle around the cells of a mask; empty when the mask is.
struct MapBounds {
    int top = 0;
    int left = 0;
    int bottom = -1;
    int right = -1;
    bool empty() const { return bottom < top || right < left; }
    int rows() const { return empty() ? 0 : bottom - top + 1; }
    int columns() const { return empty() ? 0 : right - left + 1; }
};
MapBounds boundsOf(const MapMask& mask);

class MapSelection {
public:
    const MapMask& cells() const { return cells_; }
    // The cell that has the focus, where moves start and pastes go.
    const MapCell& current() const { return current_; }
    bool contains(const MapCell& c) const { return cells_.test(std::size_t(cellIndex(c))); }

    // A plain click: that cell alone.
    void click(const MapCell& c);
    // Shift+click, or a drag reaching `c`: the rectangle from the anchor to `c`.
    void extendTo(const MapCell& c);
    // Ctrl+click: `c` joins or leaves the selection; it becomes the anchor.
    void toggle(const MapCell& c);
    // Ctrl+arrow: the neighbouring visible cell alone (stays at the edge).
    void move(int rows, int columns);
    // Ctrl+Shift+arrow: the moving corner of the rectangle steps.
    void extend(int rows, int columns);
    // Tab or Enter onto a selected cell: the focus moves there, the selection stays.
    void focus(const MapCell& c);
    // Every visible cell.
    void selectAll();
    // Exactly `cells` (a pasted block), those on visible rows; the focus stays.
    void select(const MapMask& cells);
    // The throttle map switched on or off: hidden cells leave the selection.
    void setThrottleMap(bool on);
    bool throttleMap() const { return throttleMap_; }

private:
    MapCell stepped(MapCell from, int rows, int columns) const;
    MapMask rectangle(const MapCell& a, const MapCell& b) const;

    MapMask cells_;
    MapCell anchor_{9, 0};
    MapCell current_{9, 0};
    bool throttleMap_ = false;
};

} // namespace vortan
