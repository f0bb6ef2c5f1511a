#pragma once
// The colour scale of the map: a perceptual dark-blue → grey → yellow scale (cividis-like)
// that reads in a bright workshop and for red-green colour blindness, and keeps clear of
// the lime of the cell in use and the orange of the difference marks.

namespace vortan {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb& a, const Rgb& b) {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
};

// The colour at `fraction` of the scale: 0 the cool end, 1 the hot end; clamped.
Rgb scaleColour(double fraction);
// The colour for `value` on a scale from `low` to `high` (the cool end when they are equal).
Rgb scaleColour(double value, double low, double high);
// Dark text on light colours, light text on dark ones.
Rgb textColourOn(Rgb background);

} // namespace vortan
