#pragma once

// Where each control of the window lies and what a screen reader hears of it, for a view to
// draw: the control table turned into pixels at a resolution, in tab order, with the option
// buttons' group and the rule that fits their captions.

#include <functional>
#include <string>
#include <vector>

#include "window_state/controls.h"
#include "window_state/twips.h"

namespace combicalc {

struct ControlPlan {
    const ControlRow* row;  // its kind, name, number and caption or initial text
    PixelRect rect;         // in the window; an option's also in its group, which starts there
    std::string accessibleName;
    std::string description;  // what a text box holds, in the user's language; empty for others
    bool visible;
};

struct LayoutPlan {
    PixelRect window;
    PixelRect modeGroup;  // the option buttons' column, announced as one group
    std::string modeGroupName;
    std::vector<ControlPlan> controls;  // in tab order
};

// At `pixelsPerInch`: the screen's logical DPI times the font's growth (twips.h), or the
// browser's 96.
LayoutPlan planLayout(double pixelsPerInch);

// The size every option caption gets: from `startPoints` down in half points, not below 6,
// until `fitsAt(points)` says that every caption shows in full at that size.
double fittedCaptionPoints(double startPoints, const std::function<bool(double points)>& fitsAt);

}  // namespace combicalc
