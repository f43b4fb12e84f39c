#include "compute/guarded_arithmetic.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace combicalc {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

std::optional<Fault> faultOf(const auto& operation) {
    try {
        operation();
    } catch (const ArithmeticFault& fault) {
        return fault.fault();
    }
    return std::nullopt;
}

struct Operation {
    const char* name;
    Wide (*op)(double, double, FaultFlags&);
    double a;
    double b;
    std::optional<Fault> fault;
};

class GuardedOperation : public ::testing::TestWithParam<Operation> {};

TEST_P(GuardedOperation, FaultsOnlyWhereIeeeFlagsSaySo) {
    const Operation& row = GetParam();
    FaultFlags flags;
    EXPECT_EQ(faultOf([&] { row.op(row.a, row.b, flags); }), row.fault);
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         GuardedOperation,
                         ::testing::Values(Operation{"OneByZero", guardedDiv, 1, 0, Fault::DivisionByZero},
                                           Operation{"MinusOneByMinusZero", guardedDiv, -1, -0.0, Fault::DivisionByZero},
                                           Operation{"ZeroByZero", guardedDiv, 0, 0, Fault::InvalidOperation},
                                           Operation{"InfinityByInfinity", guardedDiv, kInf, kInf, Fault::InvalidOperation},
                                           Operation{"InfinityByZeroIsExact", guardedDiv, kInf, 0, std::nullopt},
                                           Operation{"InfinityMinusInfinity", guardedSub, kInf, kInf, Fault::InvalidOperation},
                                           Operation{"ZeroTimesInfinity", guardedMul, 0, kInf, Fault::InvalidOperation},
                                           Operation{"InfinityTimesTwoIsExact", guardedMul, kInf, 2, std::nullopt},
                                           Operation{"BeyondDoubleRangePasses", guardedMul, 1e200, 1e200, std::nullopt},
                                           Operation{"HugeDifferencePasses", guardedSub, DBL_MAX, -DBL_MAX, std::nullopt},
                                           Operation{"HugeQuotientPasses", guardedDiv, 1e308, 1e-308, std::nullopt},
                                           Operation{"UnderflowIsNoFault", guardedMul, 1e-200, 1e-200, std::nullopt},
                                           Operation{"DenormalIsNoFault", guardedDiv, DBL_MIN, 4, std::nullopt}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(GuardedArithmetic, MarksResultsBeyondTheDoubleRange) {
    FaultFlags flags;
    const Wide huge = guardedMul(1e200, -1e200, flags);
    EXPECT_TRUE(huge.beyondDoubleRange);
    EXPECT_EQ(huge.value, -kInf);
    const Wide tiny = guardedMul(1e-200, 1e-200, flags);
    EXPECT_FALSE(tiny.beyondDoubleRange);
    EXPECT_EQ(tiny.value, 0.0);
    EXPECT_EQ(guardedSub(0.3, 0.1, flags).value, 0.3 - 0.1);     // rounded once, to double
    EXPECT_FALSE(guardedMul(kInf, 2, flags).beyondDoubleRange);  // exact: the operand was infinite
}

TEST(GuardedArithmetic, NarrowingBeyondRangeFaultsAtTheNextTest) {
    FaultFlags flags;
    const double narrowed = narrow(guardedMul(1e200, 1e200, flags), flags);
    EXPECT_EQ(narrowed, kInf);
    EXPECT_EQ(faultOf([&] { guardedSub(1, 1, flags); }), Fault::Overflow);
    flags.clear();  // as a control call does
    EXPECT_EQ(faultOf([&] { guardedSub(1, 1, flags); }), std::nullopt);
}

TEST(GuardedArithmetic, NarrowingRoundsToNearest) {
    FaultFlags flags;
    // DBL_MAX + 2^969 is nearer DBL_MAX than 2^1024; DBL_MAX + 2^970 is the tie, which goes
    // to even, up.
    EXPECT_EQ(narrow(guardedSub(DBL_MAX, -0x1p969, flags), flags), DBL_MAX);
    EXPECT_EQ(narrow(guardedSub(-DBL_MAX, 0x1p969, flags), flags), -DBL_MAX);
    EXPECT_EQ(faultOf([&] { flags.throwIfRaised(); }), std::nullopt);
    EXPECT_EQ(narrow(guardedSub(-DBL_MAX, 0x1p970, flags), flags), -kInf);
    EXPECT_EQ(faultOf([&] { flags.throwIfRaised(); }), Fault::Overflow);
}

TEST(GuardedArithmetic, ReportsInvalidBeforeDivisionByZeroBeforeOverflow) {
    FaultFlags flags;
    flags.raise(Fault::Overflow);
    flags.raise(Fault::DivisionByZero);
    EXPECT_EQ(faultOf([&] { flags.throwIfRaised(); }), Fault::DivisionByZero);
    EXPECT_EQ(faultOf([&] { guardedDiv(0, 0, flags); }), Fault::InvalidOperation);
}

struct Countdown {
    const char* name;
    double x;
    double y;
    bool continues;
};

class CountdownContinues : public ::testing::TestWithParam<Countdown> {};

TEST_P(CountdownContinues, ComparesTheDifference) {
    FaultFlags flags;
    EXPECT_EQ(countdownContinues(GetParam().x, GetParam().y, flags), GetParam().continues);
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         CountdownContinues,
                         ::testing::Values(Countdown{"PositiveY", 5, 2, true},
                                           Countdown{"ZeroY", 3, 0, false},
                                           Countdown{"NegativeY", 5, -1, false},
                                           Countdown{"YLostBesideX", 1e20, 1, false},
                                           Countdown{"FractionalY", 5, 0.5, true},
                                           Countdown{"NegativeX", -3, 1, true},
                                           Countdown{"DifferenceBeyondRange", -DBL_MAX, DBL_MAX, true},
                                           Countdown{"InfiniteY", 5, kInf, true}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(CountdownContinues, FaultsOnInfinityMinusInfinity) {
    FaultFlags flags;
    EXPECT_EQ(faultOf([&] { countdownContinues(kInf, kInf, flags); }), Fault::InvalidOperation);
}

TEST(IsPositive, IsAnOrdinaryComparison) {
    EXPECT_TRUE(isPositive(DBL_TRUE_MIN));
    EXPECT_FALSE(isPositive(0.0));
    EXPECT_FALSE(isPositive(-0.0));
    EXPECT_FALSE(isPositive(-1));
}

}  // namespace
}  // namespace combicalc
