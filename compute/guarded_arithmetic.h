#pragma once

// Arithmetic with fault flags, modelled in software so that the answers are the same at
// every optimisation level and do not depend on what other code left in the hardware
// flags.
//
// A guarded operation is an IEEE double operation whose exponent range is that of the
// 80-bit extended format: a product, difference or quotient of two finite doubles never
// overflows at the operation itself (that range holds every one of them), only when the
// result is narrowed to a double. After
// the operation every flag raised since the flags were last cleared is tested, so a test
// also sees an overflow raised by narrowing an earlier intermediate. The computation clears
// the flags after every call on a control.

#include "user_texts/errors.h"

namespace combicalc {

// A guarded result before it is narrowed to a double. Where the double operation rounds to
// an infinity although both operands are finite and it is no division by zero, the exact
// result is finite in the extended range but beyond the double range: `value` is then the
// infinity of its sign, which is all that narrowing can make of it, and
// `beyondDoubleRange` is set so that narrowing raises overflow.
struct Wide {
    double value;
    bool beyondDoubleRange = false;
};

class FaultFlags {
public:
    void raise(Fault fault);
    void clear() { pending_ = 0; }
    // Throws ArithmeticFault for a pending fault; with several, an invalid operation is
    // reported before a division by zero, and that before an overflow.
    void throwIfRaised() const;

private:
    unsigned pending_ = 0;
};

// Each raises invalid operation for 0/0, Inf-Inf, 0*Inf and the like, division by zero for a
// finite nonzero number divided by zero, then tests the flags.
Wide guardedSub(double a, double b, FaultFlags& flags);
Wide guardedMul(double a, double b, FaultFlags& flags);
Wide guardedDiv(double a, double b, FaultFlags& flags);

// To the double; a value beyond the double range becomes an infinity and raises overflow,
// which the next test sees.
double narrow(Wide value, FaultFlags& flags);

bool isPositive(double value);

// Whether a countdown of y goes on: x - y, guarded and narrowed, is still below x. Unlike
// y > 0 this stops when y is so small beside x that x - y rounds to x (1e20 and 1).
bool countdownContinues(double x, double y, FaultFlags& flags);

}  // namespace combicalc
