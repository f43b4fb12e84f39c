#include "compute/rounded_power.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace combicalc {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Case {
    const char* name;
    double base;
    double exponent;
    double result;  // compared bit for bit, so the sign of a zero counts; any NaN is a NaN
};

class RoundedPower : public ::testing::TestWithParam<Case> {};

TEST_P(RoundedPower, FollowsCsRules) {
    const Case& row = GetParam();
    const double result = roundedPower(row.base, row.exponent);
    if (std::isnan(row.result)) {
        EXPECT_TRUE(std::isnan(result)) << result;
    } else {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(result), std::bit_cast<std::uint64_t>(row.result)) << std::hexfloat << result;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         RoundedPower,
                         ::testing::Values(Case{"AnythingToZero", kNaN, -0.0, 1},
                                           Case{"OneToAnything", 1, kNaN, 1},
                                           Case{"NaNBase", kNaN, 2, kNaN},
                                           Case{"NegativeBaseFraction", -8, 1.0 / 3, kNaN},
                                           Case{"NegativeBaseOdd", -2, 3, -8},
                                           Case{"NegativeBaseEven", -2, 4, 16},
                                           Case{"MinusOneToInfinity", -1, -kInf, 1},
                                           Case{"SmallToInfinity", 0.5, kInf, 0},
                                           Case{"LargeToMinusInfinity", 2, -kInf, 0},
                                           Case{"MinusZeroToOddNegative", -0.0, -3, -kInf},
                                           Case{"MinusZeroToEvenNegative", -0.0, -2, kInf},
                                           Case{"MinusZeroToOdd", -0.0, 3, -0.0},
                                           Case{"MinusInfinityToOdd", -kInf, 3, -kInf},
                                           Case{"MinusInfinityToOddNegative", -kInf, -3, -0.0},
                                           Case{"Exact", 0.75, 2, 0.5625},
                                           Case{"MidpointRoundsToEven", 0.75, 34, 0x1.d9fe779881944p-15},
                                           Case{"LastFinite", 2, 1023, 0x1p1023},
                                           Case{"FirstOverflow", 2, 1024, kInf},
                                           Case{"Denormal", 0.5, 1074, 0x1p-1074},
                                           Case{"DenormalTieToEvenZero", 0.5, 1075, 0},
                                           Case{"NegativeUnderflowKeepsSign", -0.5, 1075, -0.0},
                                           Case{"HugeExponentNearOne", 1 + 0x1p-52, 0x1p70, kInf}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace combicalc
