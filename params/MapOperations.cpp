#include "params/MapOperations.h"

#include <cmath>
#include <functional>

namespace vortan {

namespace {

bool selected(const MapMask& cells, int row, int column) {
    return cells.test(std::size_t(row * 10 + column));
}

// The selected cells each take f(row, column) of the image as it was.
MapResult eachCell(const DeviceImage& image, const MapMask& cells,
                   const std::function<double(int, int)>& f) {
    MapResult out{image, 0};
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c)
            if (selected(cells, r, c))
                out.image.map(r, c) = keptAdvance(f(r, c), out.clipped);
    return out;
}

double between(double from, double to, double x0, double x1, double x) {
    return x1 == x0 ? from : from + (to - from) * (x - x0) / (x1 - x0);
}

double speedAt(const DeviceImage& image, int column) {
    return image[Byte::RPM_ADV + column];
}

double throttleAt(int row) {
    return kThrottleAxis[std::size_t(row)];
}

// Along each row from its first to its last selected cell (or each column when `vertical`).
MapResult alongLines(const DeviceImage& image, const MapMask& cells, bool vertical) {
    MapResult out{image, 0};
    for (int line = 0; line < 10; ++line) {
        auto at = [&](int i) { return vertical ? image.map(i, line) : image.map(line, i); };
        auto axis = [&](int i) { return vertical ? throttleAt(i) : speedAt(image, i); };
        auto isSel = [&](int i) {
            return vertical ? selected(cells, i, line) : selected(cells, line, i);
        };
        int first = -1;
        int last = -1;
        for (int i = 0; i < 10; ++i)
            if (isSel(i)) {
                if (first < 0)
                    first = i;
                last = i;
            }
        if (first < 0 || first == last)
            continue;
        for (int i = first + 1; i < last; ++i) {
            if (!isSel(i))
                continue;
            const double v = between(at(first), at(last), axis(first), axis(last), axis(i));
            (vertical ? out.image.map(i, line) : out.image.map(line, i)) =
                keptAdvance(v, out.clipped);
        }
    }
    return out;
}

} // namespace

std::uint8_t keptAdvance(double value, int& clipped) {
    // Clamped before rounding: lround of a value beyond a long's range (1e20, inf) is
    // undefined. NaN fails the first test.
    if (!(value >= kMinAdvance - 0.5)) {
        ++clipped;
        return kMinAdvance;
    }
    if (value >= kMaxAdvance + 0.5) {
        ++clipped;
        return kMaxAdvance;
    }
    const long v = std::lround(value);
    if (v < kMinAdvance || v > kMaxAdvance) {
        ++clipped;
        return static_cast<std::uint8_t>(v < kMinAdvance ? kMinAdvance : kMaxAdvance);
    }
    return static_cast<std::uint8_t>(v);
}

MapResult raiseCells(const DeviceImage& image, const MapMask& cells, int degrees) {
    return eachCell(image, cells,
                    [&](int r, int c) { return double(image.map(r, c)) + double(degrees); });
}

MapResult setCells(const DeviceImage& image, const MapMask& cells, int degrees) {
    return eachCell(image, cells, [degrees](int, int) { return double(degrees); });
}

MapResult scaleCells(const DeviceImage& image, const MapMask& cells, int percent) {
    return eachCell(image, cells,
                    [&](int r, int c) { return double(image.map(r, c)) * percent / 100.0; });
}

std::optional<Interpolation> obviousInterpolation(const MapMask& cells) {
    const MapBounds b = boundsOf(cells);
    if (b.empty() || (b.rows() == 1 && b.columns() == 1))
        return std::nullopt;
    if (b.rows() == 1)
        return Interpolation::Horizontal;
    if (b.columns() == 1)
        return Interpolation::Vertical;
    return std::nullopt;
}

MapResult interpolateCells(const DeviceImage& image, const MapMask& cells, Interpolation how) {
    const MapBounds b = boundsOf(cells);
    if (how == Interpolation::Corners && !b.empty() && b.rows() > 1 && b.columns() > 1) {
        const double x0 = speedAt(image, b.left), x1 = speedAt(image, b.right);
        const double y0 = throttleAt(b.top), y1 = throttleAt(b.bottom);
        const double topLeft = image.map(b.top, b.left), topRight = image.map(b.top, b.right);
        const double bottomLeft = image.map(b.bottom, b.left);
        const double bottomRight = image.map(b.bottom, b.right);
        return eachCell(image, cells, [&](int r, int c) {
            const double x = speedAt(image, c);
            const double top = between(topLeft, topRight, x0, x1, x);
            const double bottom = between(bottomLeft, bottomRight, x0, x1, x);
            return between(top, bottom, y0, y1, throttleAt(r));
        });
    }
    if (how == Interpolation::Corners)
        how = b.rows() == 1 ? Interpolation::Horizontal : Interpolation::Vertical;
    return alongLines(image, cells, how == Interpolation::Vertical);
}

MapResult smoothCells(const DeviceImage& image, const MapMask& cells) {
    return eachCell(image, cells, [&](int r, int c) {
        double sum = 0;
        int n = 0;
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc) {
                const int rr = r + dr, cc = c + dc;
                if ((dr || dc) && rr >= 0 && rr < 10 && cc >= 0 && cc < 10 &&
                    selected(cells, rr, cc)) {
                    sum += image.map(rr, cc);
                    ++n;
                }
            }
        const double v = image.map(r, c);
        return n == 0 ? v : (v + sum / n) / 2.0;
    });
}

} // namespace vortan
