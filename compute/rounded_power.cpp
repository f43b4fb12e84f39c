#include "compute/rounded_power.h"

#include <mpfr.h>

namespace combicalc {

namespace {

// A double is m * 2^e with 0.5 <= m < 1 in MPFR's terms: the largest finite one has e = 1024
// and the smallest denormal, 2^-1074, has e = -1073.
constexpr mpfr_exp_t kDoubleMinExponent = -1073;
constexpr mpfr_exp_t kDoubleMaxExponent = 1024;

// MPFR's exponent range is per thread and shared with whoever else uses MPFR: narrowed to a
// double's for one computation, then given back as it was.
class DoubleExponentRange {
public:
    DoubleExponentRange() : emin_(mpfr_get_emin()), emax_(mpfr_get_emax()) {
        mpfr_set_emin(kDoubleMinExponent);
        mpfr_set_emax(kDoubleMaxExponent);
    }
    ~DoubleExponentRange() {
        mpfr_set_emin(emin_);
        mpfr_set_emax(emax_);
    }
    DoubleExponentRange(const DoubleExponentRange&) = delete;
    DoubleExponentRange& operator=(const DoubleExponentRange&) = delete;

private:
    mpfr_exp_t emin_;
    mpfr_exp_t emax_;
};

// An MPFR number of a double's 53 bits, freed on every way out.
class Number {
public:
    explicit Number(double value) {
        mpfr_init2(number_, 53);
        mpfr_set_d(number_, value, MPFR_RNDN);  // exact: every double fits
    }
    ~Number() { mpfr_clear(number_); }
    Number(const Number&) = delete;
    Number& operator=(const Number&) = delete;

    mpfr_ptr get() { return number_; }

private:
    mpfr_t number_;
};

}  // namespace

// mpfr_pow's special values are those of C (ISO C99 Annex F), signed zeros and infinities
// included, so nothing needs handling before it.
double roundedPower(double x, double y) {
    const DoubleExponentRange range;
    Number base(x);
    Number exponent(y);
    Number result(0);
    // mpfr_pow rounds to 53 bits even where a double has fewer (below 2^-1022); a subnormal
    // result is then rounded to the bits a double has there, and the direction of the first
    // rounding keeps the two together one correct rounding.
    const int direction = mpfr_pow(result.get(), base.get(), exponent.get(), MPFR_RNDN);
    mpfr_subnormalize(result.get(), direction, MPFR_RNDN);
    return mpfr_get_d(result.get(), MPFR_RNDN);
}

}  // namespace combicalc
