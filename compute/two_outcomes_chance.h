#pragma once

// The answer of 2 Outcomes from the numbers its finishing pass has read: the chance of exactly
// r successes in n trials, each with z equally likely outcomes of which w are favourable.

#include <variant>

#include "compute/decimal.h"
#include "compute/guarded_arithmetic.h"

namespace combicalc {

// A number given exactly: the decimal a text writes, or a double, exact as it stands (where
// a text reads as an infinity).
using ExactNumber = std::variant<Decimal, double>;

struct TwoOutcomesNumbers {
    ExactNumber failures;   // n - r, from the texts of x and y where the countdown ended
    double outcomes;        // z
    double favourable;      // w
    double combinations;    // C(n, r), from Text3; an infinity where the quotient passed the largest double
    ExactNumber successes;  // r, from y's text where the countdown ended and the passes before
};

// combinations * ((z - w) / z)^(n - r) * (w / z)^r, correctly rounded to a double, subnormals
// included, and a result exactly between two doubles to the even one: z - w exact; each
// chance and power with as many more bits as its exponent is large, so that a power of
// millions does not multiply the chance's rounding, and more bits again until the bounds of
// the error round alike; the products exact. The binary exponent range is +-(2^30 - 1), so
// that no power underflows or overflows on the way to an answer a double holds; a result
// below the smallest double is 0, its correct rounding. MPFR rounds the same on every
// platform, and so does the result.
//
// Faults are tested where the steps test them, each test seeing what was raised since the
// last: after z - w and (z - w) / z; after the first product, which also sees the first
// power's; after w / z; after the result, which also sees the second power's. An invalid
// operation (0 / 0, Infinity - Infinity, 0 * Infinity, a negative chance to a fractional
// power) is reported before a division by zero (by z = 0, or 0 to a negative power), and that
// before an overflow: a result beyond the largest double, which no box holds. Where even the
// wide range is left (powers beyond 2^+-(2^30), of exponents in the millions), the result
// comes from the powers' logarithms instead, exact enough to round.
double twoOutcomesChance(const TwoOutcomesNumbers& numbers, FaultFlags& flags);

}  // namespace combicalc
