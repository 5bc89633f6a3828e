#pragma once
// The scale a window is laid out at. Stored layouts give every place and size
// in pixels at 96 dots per inch; a window at another scale computes each one
// from its stored value, never from one already scaled, so rounding never
// accumulates. Nothing here touches a window.

namespace brevant::widgets {

struct Bounds {
    int left, top, width, height;
    friend bool operator==(const Bounds&, const Bounds&) = default;
};

// a * b / c rounded to the nearest integer, halves away from zero, with a
// 64-bit product; -1 when c is 0 or the result does not fit (as the platform's
// MulDiv).
int MulDivRounded(int a, int b, int c);

class Dpi {
public:
    // The dots per inch of the stored layouts (100 %).
    static constexpr int kDesign = 96;

    constexpr Dpi() = default;
    // Anything but a positive value stands for the design scale.
    constexpr explicit Dpi(int dotsPerInch) : value_(dotsPerInch > 0 ? dotsPerInch : kDesign) {}

    constexpr int Value() const { return value_; }

    // A length given at 96 dots per inch, at this scale.
    int Scale(int designPixels) const { return MulDivRounded(designPixels, value_, kDesign); }
    // The edges are scaled, not the sizes: two boxes that stand apart at 96
    // dots per inch never touch at a larger scale.
    Bounds Scale(const Bounds& design) const;
    // The height in pixels of a font of that many points. Fonts are given in
    // points, as the platform's own are, so a text keeps its proportions:
    // 8 points are 11 pixels at 100 %, 13 at 125 % and 16 at 150 %.
    int PointsToPixels(int points) const { return MulDivRounded(points, value_, 72); }

    friend bool operator==(Dpi, Dpi) = default;

private:
    int value_ = kDesign;
};

}  // namespace brevant::widgets
