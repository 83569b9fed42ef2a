#pragma once

// Sizes and places of the small dialogs, in pixels.
namespace DialogGeometry {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Dialog units: a horizontal unit is a quarter of the dialog font's average character width, a vertical
// unit an eighth of its height; rounded to the nearest pixel.
inline int MulDivRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}
inline Size DialogUnitsToPixels(Size dialogUnits, int averageCharWidth, int fontHeight) {
    return {MulDivRounded(dialogUnits.width, averageCharWidth, 4),
            MulDivRounded(dialogUnits.height, fontHeight, 8)};
}

// Where a dialog of dialogSize goes over the main window whose client area starts at clientTopLeft (screen
// coordinates) and is clientSize large: centred horizontally, its centre above pixels (50 unless told)
// above the client area's vertical centre.
inline constexpr int kAboveCentre = 50;
inline Point CentredAboveMainWindow(Point clientTopLeft, Size clientSize, Size dialogSize,
                                    int above = kAboveCentre) {
    return {clientTopLeft.x + (clientSize.width - dialogSize.width) / 2,
            clientTopLeft.y + (clientSize.height - dialogSize.height) / 2 - above};
}

// Where a dialog of dialogSize goes to lie centred over that client area.
inline Point CentredOverMainWindow(Point clientTopLeft, Size clientSize, Size dialogSize) {
    return {clientTopLeft.x + (clientSize.width - dialogSize.width) / 2,
            clientTopLeft.y + (clientSize.height - dialogSize.height) / 2};
}

} // namespace DialogGeometry
