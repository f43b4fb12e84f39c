#pragma once

// The per-pass steps of the four working modes. Each reads every operand afresh from its box
// and writes every result back as text at once; the fetch and conversion orders decide which
// box an error names and what was written before it, so they are part of the contract.

#include "compute/fields.h"
#include "compute/pass.h"
#include "window_state/mode.h"

namespace combicalc {

// Answer <- x * Answer while x > 0, counting x down.
void factorialStep(Fields& fields, Pass& pass);
// Answer <- x * Answer while the countdown of y continues, counting x and y down.
void nPrStep(Fields& fields, Pass& pass);
// z and w accumulate the countdowns of x and y; Answer <- z / w when y's countdown ends.
void nCrStep(Fields& fields, Pass& pass);
// As nCr in Text1 and Text2, then Answer <- C(n, r) * ((z - w) / z)^(n - r) * (w / z)^r.
void twoOutcomesStep(Fields& fields, Pass& pass);

// Asked when the budget ran out before `mode`'s step ended its countdown: whether Answer lacks
// this run's result. Factorial and nPr build their answer in Answer as they go, so it holds
// the result where their countdown test would now end the countdown, or where it has reached
// 0, which no factor left changes; nCr and 2 Outcomes write Answer only in the finishing
// step, which has not run.
bool answerLacksResult(Fields& fields, Mode mode);

// Whether what a run whose budget ran out left in Answer is `mode`'s partial product:
// Factorial and nPr write their product into Answer on every pass, nCr and 2 Outcomes write
// Answer only in the finishing step.
bool answerHoldsPartialProduct(Mode mode);

}  // namespace combicalc
