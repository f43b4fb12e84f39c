#include "presenter/layout_plan.h"

#include "user_texts/box_words.h"
#include "user_texts/texts.h"
#include "user_texts/translation.h"

namespace combicalc {

namespace {

std::string descriptionOf(const ControlRow& row) {
    if (row.kind != ControlKind::TextBox) return {};
    const char* holds = wordsFor(static_cast<TextBox>(row.index)).description;
    return holds != nullptr ? translated(holds) : std::string();
}

}  // namespace

LayoutPlan planLayout(double pixelsPerInch) {
    LayoutPlan plan{.window = toPixels({0, 0, kClientWidthTwips, kClientHeightTwips}, pixelsPerInch),
                    .modeGroup = toPixels(optionColumn(), pixelsPerInch),
                    .modeGroupName = translated(texts::kModeGroup),
                    .controls = {}};
    for (const ControlRow* row : controlsInTabOrder()) {
        plan.controls.push_back({.row = row,
                                 .rect = toPixels(row->geometry, pixelsPerInch),
                                 .accessibleName = std::string(row->initialText),
                                 .description = descriptionOf(*row),
                                 .visible = row->initiallyVisible});
    }
    return plan;
}

double fittedCaptionPoints(double startPoints, const std::function<bool(double points)>& fitsAt) {
    constexpr double kSmallestPoints = 6;
    double points = startPoints;
    while (!fitsAt(points) && points - 0.5 >= kSmallestPoints) points -= 0.5;
    return points;
}

}  // namespace combicalc
