#include "compute/guarded_arithmetic.h"

#include <cfloat>
#include <cmath>

namespace combicalc {

namespace {

constexpr unsigned bit(Fault fault) { return 1U << static_cast<unsigned>(fault); }

// The double result is already correctly rounded wherever it is finite. Only where it is
// infinite though both operands are finite is it recomputed in the extended range, where a
// product, difference or quotient of finite doubles is finite unless it divides by zero.
template <class Operation>
Wide guarded(double a, double b, FaultFlags& flags, Operation operation) {
    const double result = operation(a, b);
    Wide wide = result;
    if (std::isnan(result) && !std::isnan(a) && !std::isnan(b)) flags.raise(Fault::InvalidOperation);
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) {
        wide = operation(static_cast<Wide>(a), static_cast<Wide>(b));
        if (std::isinf(wide)) flags.raise(Fault::DivisionByZero);
    }
    flags.throwIfRaised();
    return wide;
}

}  // namespace

void FaultFlags::raise(Fault fault) { pending_ |= bit(fault); }

void FaultFlags::throwIfRaised() const {
    for (Fault fault : {Fault::InvalidOperation, Fault::DivisionByZero, Fault::Overflow}) {
        if ((pending_ & bit(fault)) != 0) throw ArithmeticFault(fault);
    }
}

Wide guardedSub(double a, double b, FaultFlags& flags) {
    return guarded(a, b, flags, [](auto p, auto q) { return p - q; });
}

Wide guardedMul(double a, double b, FaultFlags& flags) {
    return guarded(a, b, flags, [](auto p, auto q) { return p * q; });
}

Wide guardedDiv(double a, double b, FaultFlags& flags) {
    return guarded(a, b, flags, [](auto p, auto q) { return p / q; });
}

double narrow(Wide value, FaultFlags& flags) {
    // Halfway between DBL_MAX and the next step up (2^1024): from there on, round-to-nearest
    // gives infinity; between DBL_MAX and there it gives DBL_MAX.
    constexpr Wide kRoundsToInfinity = static_cast<Wide>(DBL_MAX) + 0x1p970L;
    const Wide magnitude = std::fabs(value);
    if (!std::isfinite(value) || magnitude <= DBL_MAX) return static_cast<double>(value);
    const double sign = std::signbit(value) ? -1.0 : 1.0;
    if (magnitude < kRoundsToInfinity) return sign * DBL_MAX;
    flags.raise(Fault::Overflow);
    return sign * HUGE_VAL;
}

double power(double base, double exponent, FaultFlags& flags) {
    const double result = std::pow(base, exponent);
    if (std::isnan(result) && !std::isnan(base) && !std::isnan(exponent)) {
        flags.raise(Fault::InvalidOperation);
    } else if (std::isinf(result) && std::isfinite(base) && std::isfinite(exponent)) {
        flags.raise(base == 0 ? Fault::DivisionByZero : Fault::Overflow);
    }
    return result;
}

bool isPositive(double value) { return value > 0; }

bool countdownContinues(double x, double y, FaultFlags& flags) {
    const double difference = narrow(guardedSub(x, y, flags), flags);
    return difference < x;
}

}  // namespace combicalc
