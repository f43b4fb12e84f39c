#pragma once

// x to the power y, correctly rounded to the nearest double (ties to even), subnormal
// results included: MPFR's power at a double's precision and exponent range, so the same
// bits on every platform, whatever its own pow gives.
//
// The special cases are C's: pow(x, +-0) and pow(1, y) are 1 even for a NaN; a negative x
// with a finite y that is not a whole number gives NaN; pow(+-0, y < 0) is an infinity
// (of x's sign for an odd whole y); a result beyond the double range is an infinity, one
// below half the smallest denormal a zero; a negative x with an odd whole y keeps its sign.
namespace combicalc {

double roundedPower(double x, double y);

}  // namespace combicalc
