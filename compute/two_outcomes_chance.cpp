#include "compute/two_outcomes_chance.h"

#include <mpfr.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <variant>

namespace combicalc {

namespace {

constexpr mpfr_prec_t kDoubleBits = 53;

// n - r and r are decimals: with at least this many bits each is within 2^-2112 of its value,
// and with those of its digits besides, exact where it is whole and apart from every whole
// number where it is not, as a negative chance's power needs. z - w, a difference of two
// doubles, is exact: their bits run from 2^1023 down to 2^-1074.
constexpr mpfr_prec_t kExactBits = 2112;

// The first attempt's bits beyond a double's, enough almost always: the bounds of its error
// round alike unless the exact value lies within 2^-110 or so of a rounding boundary.
constexpr mpfr_prec_t kGuardBits = 64;

// The attempts stop doubling here, where the exponents' own rounding (2^-2112) would begin to
// show: only a result on the midpoint of two doubles, which chances that no number of bits
// holds exactly never pin down, or one nearer to it than 2^-1800 gets this far.
constexpr mpfr_prec_t kMostBits = 1800;

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

// The bits a chance needs to be raised to `exponent` with an error below 2^-bits: its
// rounding error is multiplied by up to |exponent| < 2^(its binary exponent).
mpfr_prec_t chanceBits(mpfr_srcptr exponent, mpfr_prec_t bits) {
    const mpfr_exp_t size = mpfr_regular_p(exponent) != 0 ? mpfr_get_exp(exponent) : 0;
    return bits + static_cast<mpfr_prec_t>(size > 0 ? size : 0);
}

// What the operations of one attempt have raised and whether any of them rounded.
struct Work {
    FaultFlags& flags;
    bool inexact = false;
};

// Performs one operation and raises its faults: a NaN (from numbers that are never NaN here)
// is an invalid operation, an exact infinity from finite numbers (x / 0, 0 to a negative
// power) a division by zero. Returns whether its result left the wide range, where MPFR has
// only an infinity or a zero (or its smallest number) to give.
template <class Operation>
bool perform(Work& work, Operation operation) {
    mpfr_clear_flags();
    operation();
    if (mpfr_nanflag_p() != 0) work.flags.raise(Fault::InvalidOperation);
    if (mpfr_divby0_p() != 0) work.flags.raise(Fault::DivisionByZero);
    if (mpfr_inexflag_p() != 0) work.inexact = true;
    return mpfr_overflow_p() != 0 || mpfr_underflow_p() != 0;
}

// An operation at one of the steps' test points: performed, then every fault raised since the
// last test reported.
template <class Operation>
void performTested(Work& work, Operation operation) {
    perform(work, operation);
    work.flags.throwIfRaised();
}

void setExact(mpfr_ptr target, const ExactNumber& number) {
    if (const auto* decimal = std::get_if<Decimal>(&number)) {
        mpfr_set_prec(target, std::max<mpfr_prec_t>(kExactBits, decimal->bitsToTellWhole()));
        mpfr_set_str(target, decimal->scientific().c_str(), 10, MPFR_RNDN);
    } else {
        mpfr_set_d(target, std::get<double>(number), MPFR_RNDN);
    }
}

bool hasEvenLastBit(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return (bits & 1) == 0;
}

// The double that the exact result, within 2^(3 - bits) of `value`, rounds to, where every
// number that near rounds alike; nullopt where more bits are needed. At the last attempt one
// still between two doubles is taken for the midpoint it then is, and goes to the even one.
std::optional<double> roundedOnce(mpfr_srcptr value, mpfr_prec_t bits) {
    const mpfr_prec_t precision = mpfr_get_prec(value);
    Number error(precision);
    Number low(precision);
    Number high(precision);
    mpfr_abs(error, value, MPFR_RNDN);
    mpfr_mul_2si(error, error, 3 - bits, MPFR_RNDU);
    mpfr_sub(low, value, error, MPFR_RNDD);
    mpfr_add(high, value, error, MPFR_RNDU);
    const double below = mpfr_get_d(low, MPFR_RNDN);
    const double above = mpfr_get_d(high, MPFR_RNDN);
    if (below == above) return below;
    if (bits < kMostBits) return std::nullopt;
    return hasEvenLastBit(below) ? below : above;
}

// A result rounded to a double; one that no double holds is an overflow.
double answerOf(double rounded, FaultFlags& flags) {
    if (std::isinf(rounded)) flags.raise(Fault::Overflow);
    flags.throwIfRaised();
    return rounded;
}

// Rounded to a double, once and correctly, subnormals included.
double toDouble(mpfr_srcptr value, FaultFlags& flags) { return answerOf(mpfr_get_d(value, MPFR_RNDN), flags); }

// sum += exponent * log2|base|, for a finite nonzero base.
void addLogarithm(mpfr_ptr sum, mpfr_srcptr base, mpfr_srcptr exponent) {
    Number term(kLogarithmBits);
    mpfr_abs(term, base, MPFR_RNDN);  // exact: more bits than the base has
    mpfr_log2(term, term, MPFR_RNDN);
    mpfr_mul(term, term, exponent, MPFR_RNDN);
    mpfr_add(sum, sum, term, MPFR_RNDN);
}

// chance^exponent, one of the term's two powers; `value` is a stand-in that tells only its
// sign where the power left the wide range.
struct Power {
    mpfr_srcptr chance;
    mpfr_srcptr exponent;
    mpfr_srcptr value;
    bool leftRange;

    // Whether the power is exactly what `test` tells (0, an infinity): a stand-in never is.
    template <class Test>
    bool exactly(Test test) const {
        return !leftRange && test(value) != 0;
    }
};

// value = chance^exponent, and whether it left the wide range.
Power power(Work& work, mpfr_srcptr chance, mpfr_srcptr exponent, mpfr_ptr value) {
    const bool leftRange = perform(work, [&] { mpfr_pow(value, chance, exponent, MPFR_RNDN); });
    return {.chance = chance, .exponent = exponent, .value = value, .leftRange = leftRange};
}

// The term C (1 - p)^(n - r) p^r: a count times two powers.
struct Term {
    mpfr_srcptr combinations;
    Power failure;
    Power success;
};

// What one of the term's factors decides alone: a factor that is exactly 0 makes it 0; an
// infinity among them (a count beyond the double range, or one made from an input of
// Infinity) leaves its size unknown or beyond the range.
enum class FactorDecides : std::uint8_t { nothing, zero, overflow };

FactorDecides whatAFactorDecides(const Term& term) {
    const auto anyFactor = [&term](auto test) {
        return test(term.combinations) != 0 || term.failure.exactly(test) || term.success.exactly(test);
    };
    if (anyFactor(mpfr_zero_p)) return FactorDecides::zero;
    if (anyFactor(mpfr_inf_p)) return FactorDecides::overflow;
    return FactorDecides::nothing;
}

bool isNegative(const Term& term) {
    const auto negative = [](mpfr_srcptr factor) { return mpfr_signbit(factor) != 0; };
    return (negative(term.combinations) != negative(term.failure.value)) != negative(term.success.value);
}

// The result where a power or a product left the wide range: unless a factor decides it, it is
// 2^(log2|C| + (n - r) log2|q| + r log2|s|) with the sign of the three factors. A power that
// left the range comes from a finite nonzero chance other than +-1 to a finite exponent.
double fromLogarithms(const Term& term, FaultFlags& flags) {
    switch (whatAFactorDecides(term)) {
        case FactorDecides::zero: return 0;
        case FactorDecides::overflow:
            flags.raise(Fault::Overflow);
            flags.throwIfRaised();
            break;
        case FactorDecides::nothing: break;
    }
    Number logarithm(kLogarithmBits);
    mpfr_abs(logarithm, term.combinations, MPFR_RNDN);
    mpfr_log2(logarithm, logarithm, MPFR_RNDN);
    addLogarithm(logarithm, term.failure.chance, term.failure.exponent);
    addLogarithm(logarithm, term.success.chance, term.success.exponent);
    const bool negative = isNegative(term);
    if (mpfr_cmp_d(logarithm, kZeroBelowLogarithm) < 0) return negative ? -0.0 : 0.0;
    Number result(3 * kDoubleBits);  // so that a subnormal answer is not rounded twice, in all likelihood
    if (mpfr_cmp_d(logarithm, kInfinityAboveLogarithm) > 0) {
        mpfr_set_inf(result, 1);
    } else {
        mpfr_exp2(result, logarithm, MPFR_RNDN);
    }
    if (negative) mpfr_neg(result, result, MPFR_RNDN);
    return toDouble(result, flags);
}

// The numbers every attempt starts from, exact but for the exponents' decimals.
struct Inputs {
    mpfr_srcptr outcomes;
    mpfr_srcptr favourable;
    mpfr_srcptr combinations;
    mpfr_srcptr failures;
    mpfr_srcptr successes;
    mpfr_srcptr unfavourable;
    bool inexact;  // whether an exponent's decimal was rounded to bits
};

// One attempt at `bits`: each power within 2^(1 - bits) of its exact value and the products
// exact, so that the result is within 2^(3 - bits) of the exact one. Gives nullopt where that
// does not decide the double it rounds to.
std::optional<double> attempt(const Inputs& in, mpfr_prec_t bits, FaultFlags& flags) {
    Work work{flags, in.inexact};
    Number failureChance(chanceBits(in.failures, bits));
    Number failureFactor(bits);
    Number partial(bits + kDoubleBits);  // exact
    Number successChance(chanceBits(in.successes, bits));
    Number successFactor(bits);
    Number result(2 * bits + kDoubleBits);  // exact, to be rounded once

    performTested(work, [&] { mpfr_div(failureChance, in.unfavourable, in.outcomes, MPFR_RNDN); });
    const Power failure = power(work, failureChance, in.failures, failureFactor);
    // A power that left the range, like a count that passed the largest double, is no number
    // to multiply by: 0 times its stand-in infinity would be an invalid operation that the true
    // number does not make.
    bool leftRange = failure.leftRange || mpfr_inf_p(in.combinations) != 0;
    if (!leftRange) leftRange = perform(work, [&] { mpfr_mul(partial, in.combinations, failureFactor, MPFR_RNDN); });
    flags.throwIfRaised();
    performTested(work, [&] { mpfr_div(successChance, in.favourable, in.outcomes, MPFR_RNDN); });
    const Power success = power(work, successChance, in.successes, successFactor);
    leftRange = leftRange || success.leftRange;
    if (!leftRange) leftRange = perform(work, [&] { mpfr_mul(result, successFactor, partial, MPFR_RNDN); });
    flags.throwIfRaised();
    if (leftRange) return fromLogarithms({.combinations = in.combinations, .failure = failure, .success = success}, flags);
    if (!work.inexact) return toDouble(result, flags);
    const std::optional<double> rounded = roundedOnce(result, bits);
    if (!rounded) return std::nullopt;
    return answerOf(*rounded, flags);
}

}  // namespace

double twoOutcomesChance(const TwoOutcomesNumbers& numbers, FaultFlags& flags) {
    const WideExponentRange range;
    Number outcomes(numbers.outcomes);
    Number favourable(numbers.favourable);
    Number combinations(numbers.combinations);
    Number failures(kExactBits);
    Number successes(kExactBits);
    Number unfavourable(kExactBits);
    Work work{flags};
    perform(work, [&] { setExact(failures, numbers.failures); });
    perform(work, [&] { setExact(successes, numbers.successes); });
    performTested(work, [&] { mpfr_sub(unfavourable, outcomes, favourable, MPFR_RNDN); });
    const Inputs inputs{.outcomes = outcomes,
                        .favourable = favourable,
                        .combinations = combinations,
                        .failures = failures,
                        .successes = successes,
                        .unfavourable = unfavourable,
                        .inexact = work.inexact};
    for (mpfr_prec_t bits = kDoubleBits + kGuardBits;; bits *= 2) {
        if (const auto chance = attempt(inputs, bits, flags)) return *chance;
    }
}

}  // namespace combicalc
