#pragma once

// Exact sums and products of doubles as unevaluated pairs hi + lo, from the IEEE basic
// operations alone (no fused multiply-add), so that they give the same bits on every
// platform. The build turns contraction into FMA off for this reason.

namespace combicalc::double_double {

struct Pair {
    double hi;
    double lo;
};

// a + b exactly, for any a and b.
inline Pair twoSum(double a, double b) {
    const double sum = a + b;
    const double bPart = sum - a;
    return {sum, (a - (sum - bPart)) + (b - bPart)};
}

// a + b exactly, when |a| >= |b| or a is zero.
inline Pair fastTwoSum(double a, double b) {
    const double sum = a + b;
    return {sum, b - (sum - a)};
}

// a in two halves of 26 and 27 bits, whose products are exact. |a| must stay below 2^995.
inline Pair split(double a) {
    constexpr double kSplitter = 0x1p27 + 1;
    const double scaled = kSplitter * a;
    const double hi = scaled - (scaled - a);
    return {hi, a - hi};
}

// a * b exactly, as long as neither the product nor its error leaves the normal range.
inline Pair twoProduct(double a, double b) {
    const double product = a * b;
    const Pair x = split(a);
    const Pair y = split(b);
    return {product, ((x.hi * y.hi - product) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

// Sums and products of pairs, with a relative error of a few units in 2^-104.
inline Pair add(Pair a, Pair b) {
    const Pair sum = twoSum(a.hi, b.hi);
    return fastTwoSum(sum.hi, sum.lo + a.lo + b.lo);
}

inline Pair multiply(Pair a, Pair b) {
    const Pair product = twoProduct(a.hi, b.hi);
    return fastTwoSum(product.hi, product.lo + (a.hi * b.lo + a.lo * b.hi));
}

}  // namespace combicalc::double_double
