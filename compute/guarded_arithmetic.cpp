#include "compute/guarded_arithmetic.h"

#include <cfloat>
#include <cmath>
#include <functional>

// Every result must be the same on every platform: a compiler that evaluates doubles with
// more precision than a double (x87 code on 32-bit x86) would round products twice.
#if FLT_EVAL_METHOD != 0
#error "doubles must be evaluated as doubles (FLT_EVAL_METHOD 0): on 32-bit x86 build with -msse2 -mfpmath=sse"
#endif

namespace combicalc {

namespace {

constexpr unsigned bit(Fault fault) { return 1U << static_cast<unsigned>(fault); }

// The double result is correctly rounded wherever it is finite. Where it is infinite though
// both operands are finite, the exact result is either a division by zero or finite in the
// extended range, which holds every product, difference and quotient of finite doubles.
template <class Operation>
Wide guarded(double a, double b, FaultFlags& flags, Operation operation) {
    const double result = operation(a, b);
    Wide wide{result};
    if (std::isnan(result) && !std::isnan(a) && !std::isnan(b)) flags.raise(Fault::InvalidOperation);
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) {
        if (b == 0) {  // only a quotient: a finite difference or product with 0 is finite
            flags.raise(Fault::DivisionByZero);
        } else {
            wide.beyondDoubleRange = true;
        }
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

Wide guardedSub(double a, double b, FaultFlags& flags) { return guarded(a, b, flags, std::minus<>()); }

Wide guardedMul(double a, double b, FaultFlags& flags) { return guarded(a, b, flags, std::multiplies<>()); }

Wide guardedDiv(double a, double b, FaultFlags& flags) { return guarded(a, b, flags, std::divides<>()); }

double narrow(Wide value, FaultFlags& flags) {
    if (value.beyondDoubleRange) flags.raise(Fault::Overflow);
    return value.value;
}

bool isPositive(double value) { return value > 0; }

bool countdownContinues(double x, double y, FaultFlags& flags) {
    const double difference = narrow(guardedSub(x, y, flags), flags);
    return difference < x;
}

}  // namespace combicalc
