#pragma once

// The assignments the mode steps are made of. Each fetches its operands' texts, converts
// them and writes its result back in a fixed order, so that a bad box is reported by the
// same conversion every time and a failing call leaves the same texts behind.

#include "compute/fields.h"

namespace combicalc {

// target <- factor * target: fetches factor, then target; converts target first.
void multiplyInto(Fields& fields, TextBox target, TextBox factor);

// box <- box - 1.
void countDown(Fields& fields, TextBox box);

// target <- numerator / denominator: fetches denominator, then numerator; converts
// numerator first.
void storeQuotient(Fields& fields, TextBox target, TextBox numerator, TextBox denominator);

// The countdown test x - y < x, with the texts fetched in the order x, y, x.
bool countdownGoesOn(Fields& fields);

}  // namespace combicalc
