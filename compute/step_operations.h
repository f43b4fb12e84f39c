#pragma once

// The assignments the mode steps are made of. Each fetches its operands' texts, converts
// them and writes its result back in a fixed order, so that a bad box is reported by the
// same conversion every time and a failing call leaves the same texts behind.

#include "compute/fields.h"

namespace combicalc {

// target <- factor * target: fetches factor, then target; converts target first. The target
// is a product of the countdown: read back as an infinity, it stands for a finite number too
// large for a box, and a factor of exactly 0 makes it 0, one of magnitude 1 or more leaves it
// beyond the range, and any other factor would need its true size: CountdownOverflow then,
// but for a product that is only ever a divisor, which keeps its stand-in: its quotient needs
// its size only where the numerator is not 0, and storeQuotient reports that.
struct Product {
    TextBox target;
    TextBox factor;
    bool divisorOnly = false;
};
void multiplyInto(Fields& fields, Product product);

// box <- box - 1, taken on the decimal the text writes and rounded to the digits a box keeps:
// 10.0000000000001 - 10 is 1E-13, as typed. A number of more digits than a box keeps is
// TooManyDigits, as its countdown would lose the rest. Where x - 1 rounds back to x (2E15 and
// -1E15 do, 1E15 does not), the countdown cannot take its factors: CountdownStalled. An
// infinity stays one.
void countDown(Fields& fields, TextBox box);

// Two boxes whose numbers are divided, numerator / denominator.
struct Quotient {
    TextBox numerator;
    TextBox denominator;
};

// target <- numerator / denominator, the two products of a countdown: fetches denominator,
// then numerator; converts numerator first. A product that passed the largest double reads
// back infinite, and its quotient would be a wrong number: CountdownOverflow instead, but
// for 0 divided by such a product, which is 0 whatever its size.
void storeQuotient(Fields& fields, TextBox target, Quotient quotient);

// The countdown test x - y < x, with the texts fetched in the order x, y, x. Where it ends
// the countdown while y is still above 0 (x - y rounded to x), the factors left cannot be
// taken: CountdownStalled.
bool countdownGoesOn(Fields& fields);

}  // namespace combicalc
