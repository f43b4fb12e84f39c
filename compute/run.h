#pragma once

// One press of START: a counted countdown of at most 1000 passes whose only variables are
// the texts of the window's boxes.

#include "compute/number_text.h"
#include "window_state/field_store.h"

namespace combicalc {

// On every pass asks Option1..Option4 in turn, each afresh, and performs the step of each
// one selected; then writes the placeholders back into x, y, z, w. A failure (any RunError)
// on a pass ends the run at once: later passes and the placeholder reset do not happen, and
// texts written before it stay. Where the budget ran out with a mode's countdown still going
// and Answer without this run's result, the placeholders are written and UnfinishedRun, or
// CountdownStalled where nPr's test finds it then, says so. Numbers are written in the
// user's `notation`.
void run(FieldStore& store, const Notation& notation);

}  // namespace combicalc
