#include "compute/two_outcomes_chance.h"

#include <mpfr.h>

#include <cmath>

namespace combicalc {

namespace {

constexpr mpfr_prec_t kDoubleBits = 53;

// Enough for any difference of two doubles exactly: their bits run from 2^1023 down to 2^-1074.
constexpr mpfr_prec_t kExactDifferenceBits = 2112;

// A chance raised to the power d carries its own rounding error |d| times into the power:
// each chance keeps the bits of d's size beyond a double's, and these besides, so that the
// power still comes out right to its last bit or so.
constexpr mpfr_prec_t kGuardBits = 64;

// MPFR's default exponent range, the same on every platform (its widest is not: it follows
// the size of a long). A double's runs to 1024.
constexpr mpfr_exp_t kWideMaxExponent = (mpfr_exp_t{1} << 30) - 1;
constexpr mpfr_exp_t kWideMinExponent = -kWideMaxExponent;

// The logarithm of a result that left the wide range is a sum of terms up to about 2^1036
// (exponents to 2^1024 times logarithms to 2^12); with this many bits its error stays far
// below the 2^-60 that rounding 2 to its power needs.
constexpr mpfr_prec_t kLogarithmBits = 1200;

// Beyond these base-2 logarithms a result rounds to zero (below half the smallest denormal,
// 2^-1075) or to an infinity (2^1024 and above), whatever the last bits of the logarithm.
constexpr double kZeroBelowLogarithm = -1076;
constexpr double kInfinityAboveLogarithm = 1025;

// MPFR's exponent range is per thread and shared with whoever else uses MPFR: set for one
// computation, then given back as it was.
class WideExponentRange {
public:
    WideExponentRange() : emin_(mpfr_get_emin()), emax_(mpfr_get_emax()) {
        mpfr_set_emin(kWideMinExponent);
        mpfr_set_emax(kWideMaxExponent);
    }
    ~WideExponentRange() {
        mpfr_set_emin(emin_);
        mpfr_set_emax(emax_);
    }
    WideExponentRange(const WideExponentRange&) = delete;
    WideExponentRange& operator=(const WideExponentRange&) = delete;

private:
    mpfr_exp_t emin_;
    mpfr_exp_t emax_;
};

// An MPFR number, a double's 53 bits unless said otherwise, freed on every way out.
class Number {
public:
    explicit Number(mpfr_prec_t bits = kDoubleBits) { mpfr_init2(number_, bits); }
    explicit Number(double value) : Number() { mpfr_set_d(number_, value, MPFR_RNDN); }  // exact
    ~Number() { mpfr_clear(number_); }
    Number(const Number&) = delete;
    Number& operator=(const Number&) = delete;

    operator mpfr_ptr() { return number_; }
    operator mpfr_srcptr() const { return number_; }

private:
    mpfr_t number_;
};

// The bits a chance needs to be raised to `exponent` without its rounding showing.
mpfr_prec_t chanceBits(mpfr_srcptr exponent) {
    const mpfr_exp_t size = mpfr_regular_p(exponent) != 0 ? mpfr_get_exp(exponent) : 0;
    return kDoubleBits + kGuardBits + static_cast<mpfr_prec_t>(size > 0 ? size : 0);
}

// Performs one operation and raises its faults: a NaN (from numbers that are never NaN here)
// is an invalid operation, an exact infinity from finite numbers (x / 0, 0 to a negative
// power) a division by zero. Returns whether its result left the wide range, where MPFR has
// only an infinity or a zero (or its smallest number) to give.
template <class Operation>
bool perform(FaultFlags& flags, Operation operation) {
    mpfr_clear_flags();
    operation();
    if (mpfr_nanflag_p() != 0) flags.raise(Fault::InvalidOperation);
    if (mpfr_divby0_p() != 0) flags.raise(Fault::DivisionByZero);
    return mpfr_overflow_p() != 0 || mpfr_underflow_p() != 0;
}

// An operation at one of the steps' test points: performed, then every fault raised since the
// last test reported.
template <class Operation>
void performTested(FaultFlags& flags, Operation operation) {
    perform(flags, operation);
    flags.throwIfRaised();
}

// Rounded to a double, once and correctly, subnormals included; a result no double holds is
// an overflow.
double toDouble(mpfr_srcptr value, FaultFlags& flags) {
    const double rounded = mpfr_get_d(value, MPFR_RNDN);
    if (std::isinf(rounded)) flags.raise(Fault::Overflow);
    flags.throwIfRaised();
    return rounded;
}

// sum += exponent * log2|base|, for a finite nonzero base.
void addLogarithm(mpfr_ptr sum, mpfr_srcptr base, mpfr_srcptr exponent) {
    Number term(kLogarithmBits);
    mpfr_abs(term, base, MPFR_RNDN);  // exact: more bits than the base has
    mpfr_log2(term, term, MPFR_RNDN);
    mpfr_mul(term, term, exponent, MPFR_RNDN);
    mpfr_add(sum, sum, term, MPFR_RNDN);
}

struct Intermediates {
    mpfr_srcptr combinations;
    mpfr_srcptr failureChance;
    mpfr_srcptr failures;
    mpfr_srcptr failureFactor;
    bool failureFactorLeftRange;
    mpfr_srcptr successChance;
    mpfr_srcptr successes;
    mpfr_srcptr successFactor;
    bool successFactorLeftRange;
};

// The result where a power or a product left the wide range. A factor that is exactly 0 makes
// it 0, an infinity among the factors (a count beyond the double range, or one made from an
// input of Infinity) leaves its size unknown or beyond the range; otherwise it is
// 2^(log2|C| + (n - r) log2|q| + r log2|s|) with the sign of the three factors. A power that
// left the range comes from a finite nonzero chance other than +-1 to a finite exponent.
double fromLogarithms(const Intermediates& numbers, FaultFlags& flags) {
    const auto exactly = [](mpfr_srcptr factor, bool leftRange, auto test) { return !leftRange && test(factor) != 0; };
    if (mpfr_zero_p(numbers.combinations) != 0 || exactly(numbers.failureFactor, numbers.failureFactorLeftRange, mpfr_zero_p) ||
        exactly(numbers.successFactor, numbers.successFactorLeftRange, mpfr_zero_p)) {
        return 0;
    }
    if (mpfr_inf_p(numbers.combinations) != 0 || exactly(numbers.failureFactor, numbers.failureFactorLeftRange, mpfr_inf_p) ||
        exactly(numbers.successFactor, numbers.successFactorLeftRange, mpfr_inf_p)) {
        flags.raise(Fault::Overflow);
        flags.throwIfRaised();
    }
    Number logarithm(kLogarithmBits);
    mpfr_abs(logarithm, numbers.combinations, MPFR_RNDN);
    mpfr_log2(logarithm, logarithm, MPFR_RNDN);
    addLogarithm(logarithm, numbers.failureChance, numbers.failures);
    addLogarithm(logarithm, numbers.successChance, numbers.successes);
    const bool negative = ((mpfr_signbit(numbers.combinations) != 0) != (mpfr_signbit(numbers.failureFactor) != 0)) !=
                          (mpfr_signbit(numbers.successFactor) != 0);
    if (mpfr_cmp_d(logarithm, kZeroBelowLogarithm) < 0) return negative ? -0.0 : 0.0;
    Number result;
    if (mpfr_cmp_d(logarithm, kInfinityAboveLogarithm) > 0) {
        mpfr_set_inf(result, 1);
    } else {
        mpfr_exp2(result, logarithm, MPFR_RNDN);
    }
    if (negative) mpfr_neg(result, result, MPFR_RNDN);
    return toDouble(result, flags);
}

}  // namespace

double twoOutcomesChance(const TwoOutcomesNumbers& numbers, FaultFlags& flags) {
    const WideExponentRange range;
    Number remainingX(numbers.remainingX);
    Number remainingY(numbers.remainingY);
    Number outcomes(numbers.outcomes);
    Number favourable(numbers.favourable);
    Number combinations(numbers.combinations);
    Number successes(numbers.successes);
    Number failures(kExactDifferenceBits);
    Number unfavourable(kExactDifferenceBits);
    Number failureFactor;
    Number partial(2 * kDoubleBits);  // exact
    Number successFactor;
    Number result(3 * kDoubleBits);  // exact, to be rounded once

    performTested(flags, [&] { mpfr_sub(failures, remainingX, remainingY, MPFR_RNDN); });  // n - r
    performTested(flags, [&] { mpfr_sub(unfavourable, outcomes, favourable, MPFR_RNDN); });
    Number failureChance(chanceBits(failures));
    performTested(flags, [&] { mpfr_div(failureChance, unfavourable, outcomes, MPFR_RNDN); });
    const bool failureFactorLeftRange = perform(flags, [&] { mpfr_pow(failureFactor, failureChance, failures, MPFR_RNDN); });
    // A power that left the range, like a count that passed the largest double, is no number
    // to multiply by: 0 times its stand-in infinity would be an invalid operation that the true
    // number does not make.
    bool leftRange = failureFactorLeftRange || mpfr_inf_p(combinations) != 0;
    if (!leftRange) leftRange = perform(flags, [&] { mpfr_mul(partial, combinations, failureFactor, MPFR_RNDN); });
    flags.throwIfRaised();
    Number successChance(chanceBits(successes));
    performTested(flags, [&] { mpfr_div(successChance, favourable, outcomes, MPFR_RNDN); });
    const bool successFactorLeftRange = perform(flags, [&] { mpfr_pow(successFactor, successChance, successes, MPFR_RNDN); });
    leftRange = leftRange || successFactorLeftRange;
    if (!leftRange) leftRange = perform(flags, [&] { mpfr_mul(result, successFactor, partial, MPFR_RNDN); });
    flags.throwIfRaised();
    if (!leftRange) return toDouble(result, flags);
    return fromLogarithms({.combinations = combinations,
                           .failureChance = failureChance,
                           .failures = failures,
                           .failureFactor = failureFactor,
                           .failureFactorLeftRange = failureFactorLeftRange,
                           .successChance = successChance,
                           .successes = successes,
                           .successFactor = successFactor,
                           .successFactorLeftRange = successFactorLeftRange},
                          flags);
}

}  // namespace combicalc
