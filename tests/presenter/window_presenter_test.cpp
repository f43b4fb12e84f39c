// What the window does after each event, whatever draws it: a view shows the returned report
// or announcement, so their texts and their absence are what is checked, on the in-memory
// window.

#include "presenter/window_presenter.h"

#include "presenter/layout_plan.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/store_decorators.h"
#include "window_state/memory_store.h"

using namespace combicalc;

namespace {

struct PressRow {
    const char* name;
    std::optional<OptionButton> option;
    std::vector<const char*> typed;  // x, y, ... in turn
    int presses;
    std::size_t failingCall;            // of the last press; 0 for none
    std::optional<std::string> report;  // of the last press
    std::optional<std::string> announcement;
};

class StartPressed : public testing::TestWithParam<PressRow> {};

TEST_P(StartPressed, ReportsOrAnnounces) {
    const PressRow& row = GetParam();
    MemoryStore window;
    window.select(row.option);
    HandlerOutcome outcome;
    for (int press = 1; press <= row.presses; ++press) {
        for (std::size_t i = 0; i < row.typed.size(); ++i) window.setText(static_cast<TextBox>(i), row.typed[i]);
        test_support::WatchingStore fields(window, press == row.presses ? row.failingCall : 0);
        outcome = startPressed(fields, ".");
    }
    if (row.report && row.report->ends_with("…")) {  // only its start is fixed
        ASSERT_TRUE(outcome.report);
        EXPECT_TRUE(outcome.report->starts_with(row.report->substr(0, row.report->size() - 3))) << *outcome.report;
    } else {
        EXPECT_EQ(outcome.report, row.report);
    }
    EXPECT_EQ(outcome.announcement, row.announcement);
}

INSTANTIATE_TEST_SUITE_P(
    Rows,
    StartPressed,
    testing::Values(
        PressRow{"NewAnswer", OptionButton::Option3, {"5", "2"}, 1, 0, std::nullopt, "Answer 10"},
        PressRow{
            "SameAnswerAgain", OptionButton::Option3, {"5", "2"}, 2, 0, std::nullopt, "No new answer: Answer still shows 10"},
        PressRow{"NoModeSelected", std::nullopt, {"5"}, 1, 0, std::nullopt, "No new answer: Answer still shows Answer"},
        PressRow{"RunError",
                 OptionButton::Option3,
                 {"abc", "2"},
                 1,
                 0,
                 "Conversion error: the first input box holds \"abc\", which is not a number",
                 std::nullopt},
        // Answer is read before the run and after it, through the same controls: either read
        // failing is reported, and nothing is announced.
        PressRow{"AnswerUnreadable", OptionButton::Option1, {"4"}, 1, 1, "Control call error: could not…", std::nullopt},
        PressRow{"ControlFailsInTheRun", OptionButton::Option1, {"4"}, 1, 5, "Control call error: could not…", std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(OptionSelected, AWorkingOptionShowsItsInputsAndLeavesNothingToShow) {
    struct Row {
        OptionButton option;
        std::vector<bool> visible;  // x, y, z, w after the selection
    };
    const Row rows[] = {
        {OptionButton::Option1, {true, false, false, false}},
        {OptionButton::Option4, {true, true, true, true}},
        {OptionButton::Option5, {true, true, false, false}},  // no mode: what nCr left stays
    };
    for (const Row& row : rows) {
        MemoryStore window;
        ASSERT_FALSE(optionSelected(window, OptionButton::Option3).report);
        const HandlerOutcome outcome = optionSelected(window, row.option);
        EXPECT_FALSE(outcome.report);
        EXPECT_FALSE(outcome.announcement);
        for (std::size_t i = 0; i < row.visible.size(); ++i) {
            EXPECT_EQ(window.isVisible(static_cast<TextBox>(i)), row.visible[i]) << nameOf(row.option) << " box " << i;
        }
    }
}

TEST(OptionSelected, AControlThatFailsIsReported) {
    MemoryStore window;
    test_support::WatchingStore fields(window, 1);
    const HandlerOutcome outcome = optionSelected(fields, OptionButton::Option2);
    ASSERT_TRUE(outcome.report);
    EXPECT_TRUE(outcome.report->starts_with("Control call error: could not")) << *outcome.report;
    EXPECT_FALSE(outcome.announcement);
}

TEST(FittedCaptionPoints, HalfPointsDownToSixAtTheMost) {
    struct Row {
        double start;
        double largestFitting;  // every size above it is too large
        double expected;
    };
    const Row rows[] = {
        {9, 9, 9},      // fits at once
        {9, 7.5, 7.5},  // shrunk in half points
        {9, 0, 6},      // never fits: the smallest size, not below
        {12, 11, 11},   // a user's larger font starts higher
        {6, 0, 6},      // already the smallest
    };
    for (const Row& row : rows) {
        std::vector<double> tried;
        const double points = fittedCaptionPoints(row.start, [&](double size) {
            tried.push_back(size);
            return size <= row.largestFitting;
        });
        EXPECT_EQ(points, row.expected) << row.start << " " << row.largestFitting;
        EXPECT_EQ(tried.back(), points) << "the captions are left at the size found";
    }
}

TEST(LayoutPlan, TabOrderPixelsAndWhatScreenReadersHear) {
    const LayoutPlan plan = planLayout(96);
    EXPECT_EQ(plan.window.width, kClientWidthTwips / 15);
    ASSERT_EQ(plan.controls.size(), kControls.size());
    for (std::size_t i = 0; i < plan.controls.size(); ++i) {
        const ControlPlan& control = plan.controls[i];
        EXPECT_EQ(control.row->tabIndex, static_cast<int>(i));
        EXPECT_EQ(control.accessibleName, control.row->initialText);
        EXPECT_EQ(control.description.empty(), control.row->kind != ControlKind::TextBox || !control.row->initiallyVisible)
            << control.row->name;
        if (control.row->kind == ControlKind::OptionButton) {  // inside the group that announces them
            EXPECT_LE(control.rect.left + control.rect.width, plan.modeGroup.left + plan.modeGroup.width);
            EXPECT_LE(control.rect.top + control.rect.height, plan.modeGroup.top + plan.modeGroup.height);
        }
    }
}

}  // namespace
