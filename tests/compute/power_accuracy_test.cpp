// roundedPower against MPFR's correctly rounded power, on a million random samples: the
// bases and whole exponents the 2 Outcomes mode reaches ((z - w) / z and w / z to the power
// n - r), real bases and exponents to +-1100, bases near 1 with large exponents, negative
// bases, and doubles of every size. Not one may differ in a single bit.

#include <gtest/gtest.h>
#include <mpfr.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>

#include "compute/rounded_power.h"

namespace combicalc {
namespace {

class Mpfr {
public:
    Mpfr() {
        // The exponent range of doubles, so that denormals round as doubles do.
        mpfr_set_emin(-1073);
        mpfr_set_emax(1024);
        mpfr_inits2(53, x_, y_, result_, static_cast<mpfr_ptr>(nullptr));
    }
    ~Mpfr() { mpfr_clears(x_, y_, result_, static_cast<mpfr_ptr>(nullptr)); }
    Mpfr(const Mpfr&) = delete;
    Mpfr& operator=(const Mpfr&) = delete;

    double power(double x, double y) {
        mpfr_set_d(x_, x, MPFR_RNDN);
        mpfr_set_d(y_, y, MPFR_RNDN);
        const int inexact = mpfr_pow(result_, x_, y_, MPFR_RNDN);
        mpfr_subnormalize(result_, inexact, MPFR_RNDN);
        return mpfr_get_d(result_, MPFR_RNDN);
    }

private:
    mpfr_t x_, y_, result_;
};

bool sameDouble(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) || (std::isnan(a) && std::isnan(b));
}

TEST(RoundedPower, IsCorrectlyRoundedOnAMillionSamples) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> unit(0, 1);
    std::uniform_real_distribution<double> exponents(-1100, 1100);
    const auto pick = [&](int count) { return static_cast<int>(random() % static_cast<std::uint64_t>(count)); };
    const auto anyDouble = [&] { return std::bit_cast<double>(random()); };
    const std::function<void(double&, double&)> kinds[] = {
        [&](double& x, double& y) {  // a chance and a whole exponent, as 2 Outcomes computes them
            const int z = 1 + pick(1000);
            const int w = pick(z + 1);
            x = static_cast<double>(pick(2) != 0 ? z - w : w) / z;
            y = std::round(exponents(random));
        },
        [&](double& x, double& y) { x = 2 * unit(random), y = exponents(random); },
        [&](double& x, double& y) { x = 1 + (unit(random) - 0.5) * 0x1p-20, y = exponents(random) * 0x1p24; },
        [&](double& x, double& y) { x = -2 * unit(random), y = std::round(exponents(random)); },
        [&](double& x, double& y) { x = std::fabs(anyDouble()), y = exponents(random) / 1000; },
        [&](double& x, double& y) { x = anyDouble(), y = anyDouble(); },
    };

    Mpfr mpfr;
    constexpr int kSamples = 1000000;
    int misrounded = 0;
    for (int i = 0; i < kSamples; ++i) {
        double x = 0;
        double y = 0;
        kinds[static_cast<std::size_t>(i) % std::size(kinds)](x, y);
        const double expected = mpfr.power(x, y);
        const double actual = roundedPower(x, y);
        if (!sameDouble(actual, expected) && ++misrounded <= 10) {
            ADD_FAILURE() << std::hexfloat << "pow(" << x << ", " << y << ") gave " << actual << ", not " << expected;
        }
    }
    std::printf("%d samples, %d misrounded\n", kSamples, misrounded);
    EXPECT_EQ(misrounded, 0);
}

}  // namespace
}  // namespace combicalc
