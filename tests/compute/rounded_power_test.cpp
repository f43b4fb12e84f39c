#include "compute/rounded_power.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
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

INSTANTIATE_TEST_SUITE_P(
    Cases,
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
                      Case{"HugeExponentNearOne", 1 + 0x1p-52, 0x1p70, kInf},
                      // Within a hair of a midpoint but not on it.
                      Case{"NearTieSquareRoot", 0x1.fffffffffffffp+1, 0.5, 0x1.fffffffffffffp+0},
                      Case{"NearTieReciprocal", 0x1.fffffffffffffp-1, -1, 0x1.0000000000001p+0},
                      Case{"NearTieCube", 0x1.ffffffffffffdp-1, -3, 0x1.0000000000005p+0},
                      Case{"NearTieSquare", 0x1.de0b937d0d5b1p+170, 2, 0x1.be579da67fcc1p+341},
                      Case{"NearTieLargestRoot", DBL_MAX, 0.5, 0x1.fffffffffffffp+511},
                      // Just above half the smallest denormal, and just below one and a half.
                      Case{"SmallestDenormalFromAbove", 0x1.0000000000002p+49, -0x1.5f05397829cbcp+4, 0x1p-1074},
                      Case{"SmallestDenormalFromBelow", 0x1.23cbd3d4ffaap+305, -0x1.c234238c4eb91p+1, 0x1p-1074}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace combicalc
