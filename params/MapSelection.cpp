#include "params/MapSelection.h"

#include <algorithm>

namespace vortan {

bool isVisibleRow(int row, bool throttleMap) {
    return row >= 0 && row < 10 && (throttleMap || row == 9);
}

MapBounds boundsOf(const MapMask& mask) {
    MapBounds b{10, 10, -1, -1};
    for (int i = 0; i < 100; ++i) {
        if (!mask.test(std::size_t(i)))
            continue;
        b.top = std::min(b.top, i / 10);
        b.bottom = std::max(b.bottom, i / 10);
        b.left = std::min(b.left, i % 10);
        b.right = std::max(b.right, i % 10);
    }
    return b;
}

MapMask MapSelection::rectangle(const MapCell& a, const MapCell& b) const {
    MapMask m;
    for (int r = std::min(a.row, b.row); r <= std::max(a.row, b.row); ++r)
        for (int c = std::min(a.column, b.column); c <= std::max(a.column, b.column); ++c)
            if (isVisibleRow(r, throttleMap_))
                m.set(std::size_t(r * 10 + c));
    return m;
}

void MapSelection::click(const MapCell& c) {
    anchor_ = current_ = c;
    cells_ = rectangle(c, c);
}

void MapSelection::extendTo(const MapCell& c) {
    current_ = c;
    cells_ = rectangle(anchor_, c);
}

void MapSelection::toggle(const MapCell& c) {
    if (!isVisibleRow(c.row, throttleMap_))
        return;
    anchor_ = current_ = c;
    cells_.flip(std::size_t(cellIndex(c)));
}

MapCell MapSelection::stepped(MapCell from, int rows, int columns) const {
    from.column = std::clamp(from.column + columns, 0, 9);
    const int row = from.row + rows;
    if (isVisibleRow(row, throttleMap_))
        from.row = row;
    return from;
}

void MapSelection::move(int rows, int columns) {
    click(stepped(current_, rows, columns));
}

void MapSelection::extend(int rows, int columns) {
    extendTo(stepped(current_, rows, columns));
}

void MapSelection::focus(const MapCell& c) {
    if (isVisibleRow(c.row, throttleMap_))
        current_ = c;
}

void MapSelection::selectAll() {
    cells_ = rectangle({0, 0}, {9, 9});
}

void MapSelection::select(const MapMask& cells) {
    cells_ = cells & rectangle({0, 0}, {9, 9});
}

void MapSelection::setThrottleMap(bool on) {
    throttleMap_ = on;
    for (int r = 0; r < 10; ++r)
        if (!isVisibleRow(r, on))
            for (int c = 0; c < 10; ++c)
                cells_.reset(std::size_t(r * 10 + c));
    if (!isVisibleRow(current_.row, on))
        current_.row = 9;
    if (!isVisibleRow(anchor_.row, on))
        anchor_.row = 9;
}

} // namespace vortan
