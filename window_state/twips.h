#pragma once

// Twips (1/1440 inch) to device-independent pixels at the screen's logical DPI, so the
// window keeps its physical size on any screen: 15 twips a pixel at 96 DPI.

#include <algorithm>
#include <cmath>

#include "window_state/controls.h"

namespace combicalc {

// The default font size the twip layout was made for. A user who chose a larger font gets
// the whole layout larger by the same factor, so that the captions keep that size.
inline constexpr double kLayoutFontPoints = 9;

// How much larger than the layout's the user's font is; never below 1, so that the
// window never shrinks below its stored size.
inline double fontGrowth(double userFontPoints) { return std::max(1.0, userFontPoints / kLayoutFontPoints); }

inline int twipsToPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

// Each edge is rounded on its own, so neighbouring controls that touch in twips touch on
// screen too.
struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};

inline PixelRect toPixels(const TwipRect& rect, double logicalDpi) {
    const int left = twipsToPixels(rect.left, logicalDpi);
    const int top = twipsToPixels(rect.top, logicalDpi);
    return {left,
            top,
            twipsToPixels(rect.left + rect.width, logicalDpi) - left,
            twipsToPixels(rect.top + rect.height, logicalDpi) - top};
}

}  // namespace combicalc
