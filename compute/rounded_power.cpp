#include "compute/rounded_power.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "compute/double_double.h"
#include "compute/power_tables.h"

// The result is computed as exp(y log x) in two phases. The first carries about 67 bits and
// gives the answer unless the exact power may lie too close to the midpoint between two
// doubles for those bits to tell which side it is on (about one call in a thousand). The
// second carries about 95 bits; a power that is still that close to a midpoint is taken to
// be the midpoint itself, which whole-number powers such as 0.75^34 really are.

namespace combicalc {

namespace {

using double_double::fastTwoSum;
using double_double::Pair;
using double_double::twoProduct;
using double_double::twoSum;
namespace tables = power_tables;

constexpr std::uint64_t kMantissaBits = (std::uint64_t{1} << 52) - 1;
// A double's sign, exponent and first 26 significant bits.
constexpr std::uint64_t kUpper26Bits = ~((std::uint64_t{1} << 27) - 1);
constexpr std::uint64_t kUpper25Bits = ~((std::uint64_t{1} << 28) - 1);
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Beyond these, y log x leaves the range where any double but 0 or infinity can result.
constexpr double kOverflowLog = 710;
constexpr double kUnderflowLog = -746;
// |log x| is at least 2^-53 for x != 1, so a larger |y| always leaves that range.
constexpr double kLargestUsefulExponent = 0x1p64;

std::uint64_t bitsOf(double value) { return std::bit_cast<std::uint64_t>(value); }
double fromBits(std::uint64_t bits) { return std::bit_cast<double>(bits); }

// 2^e, for e in the normal exponent range.
double twoTo(int e) { return fromBits(static_cast<std::uint64_t>(e + 1023) << 52); }

// The value's sign, exponent and first 26 significant bits: the product of two such halves
// is exact.
double upper26Bits(double value) { return fromBits(bitsOf(value) & kUpper26Bits); }

int exponentOf(double normal) { return static_cast<int>(bitsOf(normal) >> 52) - 1023; }

// value * 2^e for |e| < 2046, exact wherever the result is representable: in two steps,
// so that neither factor leaves the normal range.
double scaled(double value, int e) {
    if (std::abs(e) < 1000) return value * twoTo(e);
    const int half = e / 2;
    return value * twoTo(half) * twoTo(e - half);
}

// A value hi + lo times 2^exponent, before rounding.
struct Scaled {
    Pair value;
    int exponent;
};

// The nearest double to s (positive), if the error bound eps (relative) allows telling it.
// With `takeMidpoint`, a value within the bound of a midpoint is taken to be that midpoint
// and rounded to even.
std::optional<double> roundScaled(const Scaled& s, double eps, bool takeMidpoint) {
    const Pair v = fastTwoSum(s.value.hi, s.value.lo);
    const int magnitude = exponentOf(v.hi);
    const double tolerance = eps * v.hi;
    if (magnitude + s.exponent >= -1022) {
        const double ulp = twoTo(magnitude - 52);
        // Just below a power of two the doubles lie twice as close.
        const bool belowPowerOfTwo = (bitsOf(v.hi) & kMantissaBits) == 0 && v.lo < 0 && magnitude + s.exponent > -1022;
        const double halfGap = belowPowerOfTwo ? 0.25 * ulp : 0.5 * ulp;
        double rounded = v.hi;
        if (std::fabs(v.lo) >= halfGap - tolerance) {
            if (!takeMidpoint) return std::nullopt;
            rounded = v.hi + std::copysign(halfGap, v.lo);  // the exact midpoint, rounded to even
        }
        return scaled(rounded, s.exponent);
    }
    // Denormal: the doubles are 2^-1074 apart, `grid` in the scale of v.
    const double grid = twoTo(-1074 - s.exponent);
    const double shifter = 0x1.8p52 * grid;  // adding it rounds to a multiple of grid, ties to even
    const double nearest = (v.hi + shifter) - shifter;
    const double rest = (v.hi - nearest) + v.lo;
    const double halfGap = 0.5 * grid;
    double rounded = nearest;
    if (std::fabs(std::fabs(rest) - halfGap) <= tolerance) {
        if (!takeMidpoint) return std::nullopt;
        rounded = ((nearest + std::copysign(halfGap, rest)) + shifter) - shifter;
    } else if (rest > halfGap) {
        rounded += grid;
    } else if (rest < -halfGap) {
        rounded -= grid;
    }
    return scaled(rounded, s.exponent);
}

// x = 2^k m with m in [sqrt(1/2), sqrt(2)], and r = m invc - 1 = rHi + rLo exactly,
// |r| < 2^-8.3.
struct Reduced {
    int k;
    const tables::LogEntry* entry;
    double rHi;
    double rLo;
};

Reduced reduce(double x) {
    constexpr double kSqrt2 = 0x1.6a09e667f3bcdp+0;
    int k = 0;
    if (x < 0x1p-1022) {  // denormal
        x *= 0x1p52;
        k = -52;
    }
    std::uint64_t bits = (bitsOf(x) & kMantissaBits) | bitsOf(1.0);
    k += exponentOf(x);
    if (bits > bitsOf(kSqrt2)) {
        bits -= std::uint64_t{1} << 52;
        ++k;
    }
    const double m = fromBits(bits);
    const tables::LogEntry& entry = tables::kLog[static_cast<int>(m * 256) - tables::kLogFirst];
    // invc has 9 bits and m is cut into 25 and 28: both products are exact, and the first
    // lies near 1, so that subtracting 1 is exact too.
    const double mHi = fromBits(bits & kUpper25Bits);
    return {k, &entry, mHi * entry.invc - 1, (m - mHi) * entry.invc};
}

// log x with an absolute error below 2^-52 |r|^3 + 2^-100 |log x|.
Pair logFast(const Reduced& x) {
    const Pair r = twoSum(x.rHi, x.rLo);
    // r in halves for its square: rHi * rHi is exact.
    const double rHi = upper26Bits(r.hi);
    const double rLo = (r.hi - rHi) + r.lo;
    const double* logc = x.entry->logc;
    const double kLn2Hi = x.k * tables::kLn2[0] + logc[0];  // exact: both on the 2^-43 grid
    const Pair withR = fastTwoSum(kLn2Hi, r.hi);            // kLn2Hi is 0 or larger than r
    const Pair head = fastTwoSum(withR.hi, -0.5 * (rHi * rHi));
    // log1p(r) = r - r^2/2 + r^3 (1/3 - r/4 + ... + r^6/9) + O(2^-88), the tail in pairs that
    // do not wait on each other.
    const auto c = [](int i) { return tables::kLog1p[i - 1].hi; };
    const double r1 = r.hi;
    const double r2 = r1 * r1;
    const double tail = r1 * r2 * ((c(3) + r1 * c(4)) + r2 * (c(5) + r1 * c(6)) + (r2 * r2) * ((c(7) + r1 * c(8)) + r2 * c(9)));
    const double lo = withR.lo + head.lo + r.lo - rLo * (rHi + 0.5 * rLo) + x.k * tables::kLn2[1] + logc[1] + tail;
    return fastTwoSum(head.hi, lo);
}

// log x with an absolute error of a few units in 2^-104 max(1, |log x|).
Pair logAccurate(const Reduced& x) {
    using double_double::add;
    using double_double::multiply;
    const Pair r = twoSum(x.rHi, x.rLo);
    Pair poly = tables::kLog1p[14];
    for (int i = 13; i >= 0; --i) poly = add(multiply(poly, r), tables::kLog1p[i]);
    const Pair log1p = multiply(poly, r);
    const double k = x.k;
    const double* logc = x.entry->logc;
    const Pair kLn2Mid = twoProduct(k, tables::kLn2[1]);
    const Pair kLn2 = add({k * tables::kLn2[0] + logc[0], 0}, {kLn2Mid.hi, kLn2Mid.lo + k * tables::kLn2[2]});
    return add(add(kLn2, {logc[1], logc[2]}), log1p);
}

// y log x as hi + lo, |lo| < 2^-24 |hi|, within 2^-77 |y log x| of the exact product: each
// factor in halves whose products are exact.
Pair timesLog(double y, Pair log) {
    const double yHi = upper26Bits(y);
    const double logHi = upper26Bits(log.hi);
    const double logLo = (log.hi - logHi) + log.lo;
    return {yHi * logHi, (y - yHi) * logHi + y * logLo};
}

// t = n ln2/128 + u with n whole and |u| <= ln2/256; exp t = 2^(n/128) exp u.
struct ExpReduced {
    int n;
    double nd;
    double u;  // t.hi - n (ln2/128)'s first part, exactly
};

ExpReduced reduceExp(double t) {
    constexpr double kShifter = 0x1.8p52;
    double nd = t * tables::kInvLn2N + kShifter;
    const auto n = static_cast<int>(static_cast<std::int64_t>(bitsOf(nd) - bitsOf(kShifter)));
    nd -= kShifter;
    return {n, nd, t - nd * tables::kLn2N[0]};
}

// 2^(j/128) for the n of a reduction: its first part, with 26 bits, and the rest.
const double* powerOfTwoFor(int n) { return tables::kExp2[n & (tables::kExpEntries - 1)]; }

Scaled toScaled(int n, Pair expU) {
    const double* power = powerOfTwoFor(n);
    return {double_double::multiply(double_double::add({power[0], 0}, {power[1], power[2]}), expU), n >> 7};
}

Scaled expFast(Pair t) {
    const ExpReduced reduced = reduceExp(t.hi);
    const Pair u = twoSum(reduced.u, t.lo - reduced.nd * tables::kLn2N[1]);
    // exp u - 1 = u + u^2 (1/2 + u/6 + ... + u^4/720) + O(2^-71.8): u exactly, the rest to
    // 2^-70.
    const auto c = [](int i) { return tables::kExpTaylor[i].hi; };
    const double u2 = u.hi * u.hi;
    const double rest = u2 * ((0.5 + u.hi * c(3)) + u2 * (c(4) + u.hi * c(5)) + (u2 * u2) * c(6)) + u.lo;

    // 2^(j/128) (1 + u + rest), with u in halves whose products with the power's first
    // 26 bits are exact.
    const double* power = powerOfTwoFor(reduced.n);
    const double powerHi = power[0];
    const double powerLo = power[1];
    const double uHi = upper26Bits(u.hi);
    const Pair sum = fastTwoSum(powerHi, powerHi * uHi);
    const double sumLo = sum.lo + powerHi * ((u.hi - uHi) + rest) + powerLo * ((1 + u.hi) + rest);
    return {fastTwoSum(sum.hi, sumLo), reduced.n >> 7};
}

// A value carried in three parts, each far below the one before.
struct Triple {
    double hi;
    double mid;
    double lo;
};

Scaled expAccurate(const Triple& t) {
    using double_double::add;
    using double_double::multiply;
    const ExpReduced reduced = reduceExp(t.hi);
    const Pair nLn2Mid = twoProduct(reduced.nd, tables::kLn2N[1]);
    const Pair u = add(twoSum(reduced.u, t.mid), {-nLn2Mid.hi, -nLn2Mid.lo + t.lo - reduced.nd * tables::kLn2N[2]});
    Pair poly = tables::kExpTaylor[11];
    for (int i = 10; i >= 0; --i) poly = add(multiply(poly, u), tables::kExpTaylor[i]);
    return toScaled(reduced.n, poly);
}

double accuratePower(const Reduced& x, double y) {
    const Pair log = logAccurate(x);
    const Pair product = twoProduct(y, log.hi);
    const Pair productLo = twoProduct(y, log.lo);
    const Pair mid = twoSum(product.lo, productLo.hi);
    // log x is within about 2^-102 of its size, so y log x within 2^-102 |t|, and exp adds
    // its own few units in 2^-104.
    const double eps = 0x1p-99 + std::fabs(product.hi) * 0x1p-99;
    return *roundScaled(expAccurate({product.hi, mid.hi, mid.lo + productLo.lo}), eps, true);
}

// x > 0 finite, y finite and nonzero.
double positivePower(double x, double y) {
    if (x == 1) return 1;
    if (std::fabs(y) >= kLargestUsefulExponent) return (x > 1) == (y > 0) ? kInfinity : 0.0;
    const Reduced reduced = reduce(x);
    const Pair t = timesLog(y, logFast(reduced));
    if (t.hi > kOverflowLog) return kInfinity;
    if (t.hi < kUnderflowLog) return 0.0;
    // The bound on the error of exp(t), relative: four times the sum of the rounding of the
    // r^3 term of log x (2^-52 |r|^3) times y, that of y log x (2^-77 |t|), and exp's own
    // (2^-69: the rounding of u^2 and the terms left out).
    const double r = std::fabs(reduced.rHi + reduced.rLo);
    const double eps = 0x1p-67 + std::fabs(t.hi) * 0x1p-75 + std::fabs(y) * (r * r * r) * 0x1p-50;
    const Scaled s = expFast(t);
    // Most often the result is normal, not next to a power of two, and clear of the
    // midpoints: then it is simply the first part.
    const std::uint64_t bits = bitsOf(s.value.hi);
    const double halfUlp = fromBits((bits & ~kMantissaBits) - (std::uint64_t{53} << 52));
    if (std::fabs(s.value.lo) < halfUlp - eps * s.value.hi && (bits & kMantissaBits) != 0 && std::abs(s.exponent) < 1000) {
        return s.value.hi * twoTo(s.exponent);
    }
    if (const auto rounded = roundScaled(s, eps, false)) return *rounded;
    return accuratePower(reduced, y);
}

// Every case but a finite x != 0 with a finite y != 0, by C's rules.
double specialPower(double x, double y, bool odd) {
    if (y == 0 || x == 1) return 1;
    if (std::isnan(x) || std::isnan(y)) return x + y;
    if (std::isinf(y)) {
        if (std::fabs(x) == 1) return 1;
        return (std::fabs(x) > 1) == (y > 0) ? kInfinity : 0.0;
    }
    if (x == 0) {
        if (y < 0) return odd ? std::copysign(kInfinity, x) : kInfinity;
        return odd ? x : 0.0;
    }
    const double magnitude = y < 0 ? 0.0 : kInfinity;  // x is an infinity
    return x < 0 && odd ? -magnitude : magnitude;
}

}  // namespace

double roundedPower(double x, double y) {
    // The common case first, from the bits: x positive and finite, y finite and not zero.
    const std::uint64_t xBits = bitsOf(x);
    const std::uint64_t yMagnitude = bitsOf(y) << 1;
    if (xBits - 1 < bitsOf(DBL_MAX) && yMagnitude - 1 < (bitsOf(kInfinity) << 1) - 1) return positivePower(x, y);
    // From 2^52 on every double is whole, and from 2^53 on even.
    const bool small = std::fabs(y) < 0x1p53;
    const bool whole = !small || static_cast<double>(static_cast<std::int64_t>(y)) == y;
    const bool odd = small && whole && static_cast<std::int64_t>(y) % 2 != 0;
    if (!std::isfinite(x) || !std::isfinite(y) || x == 0 || y == 0) return specialPower(x, y, odd);
    // What is left is a negative finite x with a finite nonzero y.
    if (!whole) return std::numeric_limits<double>::quiet_NaN();
    const double magnitude = positivePower(-x, y);
    return odd ? -magnitude : magnitude;
}

}  // namespace combicalc
