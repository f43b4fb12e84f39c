#pragma once

// One press of START: a counted countdown of at most 1000 passes whose only variables are
// the texts of the window's boxes.

#include <cstdint>
#include <string_view>

#include "compute/number_text.h"
#include "window_state/field_store.h"

namespace combicalc {

// The run's pass counter: 1 on the first pass, at most kBudget. finish() makes the current
// pass the last. Sixteen bits hold the budget and the one step past it that ends the loop;
// finish() sets the counter back to the budget, so it never grows further.
class Pass {
public:
    static constexpr std::int16_t kBudget = 1000;

    std::int16_t counter() const { return counter_; }
    bool isFirstPass() const { return counter_ == 1; }
    void finish() {
        counter_ = kBudget;
        finished_ = true;
    }
    // Whether a step has ended its countdown: the counter alone cannot tell that from a run
    // whose budget ran out on its last pass.
    bool finished() const { return finished_; }

    // For the run's loop.
    bool withinBudget() const { return counter_ <= kBudget; }
    void next() { ++counter_; }

private:
    std::int16_t counter_ = 1;
    bool finished_ = false;
};

// On every pass asks Option1..Option4 in turn, each afresh, and performs the step of each
// one selected; then writes the placeholders back into x, y, z, w. A failure (any RunError)
// ends the run at once: later passes and the placeholder reset do not happen, and texts
// written before it stay. Where the budget ran out with a mode's countdown still going and
// Answer without this run's result, the placeholders are written and UnfinishedRun then says
// so. Numbers are written in the user's `notation`.
void run(FieldStore& store, const Notation& notation);

}  // namespace combicalc
