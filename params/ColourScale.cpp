#include "params/ColourScale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vortan {

namespace {

// Nine evenly spaced stops; between them the colour is interpolated linearly.
constexpr std::array<Rgb, 9> kStops{{
    {0, 34, 78},
    {18, 53, 112},
    {59, 73, 108},
    {87, 92, 109},
    {124, 123, 120},
    {165, 156, 116},
    {188, 175, 111},
    {225, 204, 85},
    {254, 232, 56},
}};

int mix(int a, int b, double t) {
    return static_cast<int>(std::lround(a + (b - a) * t));
}

} // namespace

Rgb scaleColour(double fraction) {
    if (!(fraction > 0)) // also NaN
        return kStops.front();
    if (fraction >= 1)
        return kStops.back();
    const double position = fraction * (kStops.size() - 1);
    const auto i = static_cast<std::size_t>(position);
    const double t = position - static_cast<double>(i);
    const Rgb& a = kStops[i];
    const Rgb& b = kStops[i + 1];
    return {mix(a.red, b.red, t), mix(a.green, b.green, t), mix(a.blue, b.blue, t)};
}

Rgb scaleColour(double value, double low, double high) {
    if (!(high > low))
        return scaleColour(0.0);
    return scaleColour((value - low) / (high - low));
}

Rgb textColourOn(Rgb background) {
    // Relative luminance with the sRGB weights, on the 0..255 values.
    const double luminance =
        0.2126 * background.red + 0.7152 * background.green + 0.0722 * background.blue;
    return luminance > 128 ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
}

} // namespace vortan
