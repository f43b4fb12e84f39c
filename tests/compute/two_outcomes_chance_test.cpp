#include "compute/two_outcomes_chance.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "compute/number_text.h"

namespace combicalc {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

Decimal exact(const char* text) { return *parseDecimal(text, "."); }

struct Chance {
    const char* name;
    TwoOutcomesNumbers numbers;
    const char* result;  // the text Answer shows, or the fault reported
};

class TwoOutcomesChance : public ::testing::TestWithParam<Chance> {};

TEST_P(TwoOutcomesChance, IsRoundedOnceOrReported) {
    const Chance& row = GetParam();
    FaultFlags flags;
    std::string outcome;
    try {
        outcome = formatNumber(twoOutcomesChance(row.numbers, flags), ".");
    } catch (const ArithmeticFault& fault) {
        outcome = describe(fault.fault());
    }
    EXPECT_EQ(outcome, row.result);
}

// {n - r, z, w, the count, r}
INSTANTIATE_TEST_SUITE_P(
    Cases,
    TwoOutcomesChance,
    ::testing::Values(
        Chance{"TwoOfFiveHeads", {3.0, 2, 1, 10, 2.0}, "0.3125"},
        // 2^-1100 alone is below the smallest double; times the count it is not.
        Chance{"SmallPowerTimesLargeCount", {1100.0, 2, 1, 1e300, 0.0}, "7.36215182902286E-32"},
        Chance{"SmallestDenormal", {1074.0, 2, 1, 1, 0.0}, "4.94065645841247E-324"},
        Chance{"HalfTheSmallestDenormalTiesToZero", {1075.0, 2, 1, 1, 0.0}, "0"},
        Chance{"ResultBeyondTheRange", {5.0, 1, 1e40, 252, 5.0}, "overflow"},
        Chance{"InfinityIsNoAnswer", {1.0, 1, -kInf, 1, 0.0}, "overflow"},
        Chance{"NegativeChanceToAWholePower", {3.0, 2, 3, 1, 0.0}, "-0.125"},
        Chance{"NoFailureToZeroFailures", {0.0, 2, 2, 1, 1.0}, "1"},
        Chance{"NegativeChanceToAFractionalPower", {1.5, 2, 3, 1, 1.0}, "invalid operation"},
        Chance{"NoOutcomes", {3.0, 0, 1, 10, 2.0}, "division by zero"},
        Chance{"NoOutcomesNoneFavourable", {3.0, 0, 0, 10, 2.0}, "invalid operation"},
        Chance{"ZeroToANegativePower", {-1.0, 2, 2, 1, 1.0}, "division by zero"},
        Chance{"ZeroCountTimesZeroToANegativePower", {-1.0, 2, 2, 0, 1.0}, "invalid operation"},
        // Powers beyond 2^(2^30) and below 2^-(2^30), one from the failures, one from a negative r.
        Chance{"PowersLeaveTheWideRangeAndCancel", {exact("10000000005"), 2, 1, 1, exact("-1E10")}, "0.03125"},
        // n - r is 1E308 + 5, which 53 bits would round to 1E308, losing the 2^-5 left.
        Chance{"PowersCancelToTheLastDigitOfNMinusR", {exact("1E308") + Decimal(5), 2, 1, 1, exact("-1E308")}, "0.03125"},
        // Beyond 2^53, where the sign of -1 to the power n - r would be lost with it.
        Chance{"SignOfAnOddPowerBeyondDoubles", {exact("9007199254740993"), 1, 2, 1, -1.0}, "-0.5"},
        Chance{"PowerFarBelowTheWideRange", {1e19, 2, 1, 1, 0.0}, "0"},
        Chance{"PowerFarAboveTheWideRange", {-1e19, 2, 1, 1, 0.0}, "overflow"},
        Chance{"CountBeyondTheRangeTimesZero", {1.0, 2, 2, kInf, 0.0}, "0"},
        Chance{"CountBeyondTheRange", {1.0, 2, 1, kInf, 1.0}, "overflow"},
        // Exactly -87837592493271.7529 and 3.7411823200973646E+90: powers rounded to 53 bits
        // before their product would write ...271.7 and ...737E+90.
        Chance{"RoundedOnceNotPerPower", {41.0, 9, -16, 1, -17.0}, "-87837592493271.8"},
        Chance{"RoundedOnceNearAHalf", {214.0, 12, 45, 1, -6.0}, "3.74118232009736E+90"},
        // Exactly 3.4611099415102045E-309 and 7.6928336316398865E-309, with fewer bits than 53.
        Chance{"SubnormalRoundedOnce", {365.0, 7, 6, 1, 0.0}, "3.4611099415102E-309"},
        Chance{"SubnormalRoundedOnceUp", {1207.0, 9, 4, 1, 0.0}, "7.69283363163989E-309"},
        // -1 to the power 2, as 2.1 - 0.1 is: not to the power 2.0000000000000001 of their doubles.
        Chance{"WholeDecimalPowerOfANegativeChance", {exact("2.1") - exact("0.1"), 1, 2, 21, exact("0.1")}, "22.5072427132622"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace combicalc
